#pragma once

#include <cstddef>
#include <vector>

struct Simulation;

/// The mark of one point: a ball, a dock point or a rope's point.
struct PointMark {
    bool selected = false;
};

/// The marks of one rope: its own flags and one mark per point.
struct RopeMarks {
    bool selected = false;          ///< the rope the player or the editor acts on
    bool hovered = false;           ///< the pointer is over it in the play mode
    std::vector<PointMark> masses;  ///< editor selection of each point, by index
};

/// The marks of one line: the editor's selection of each end.
struct LineMarks {
    bool selected[2] = {false, false};
};

/// The marks of one triangle: the editor's selection of each corner, and the
/// corners the editor has not placed yet (it places them one by one). An
/// unplaced corner is not drawn; without marks every corner is placed.
struct TriangleMarks {
    bool selected[3] = {false, false, false};
    bool unplaced[3] = {false, false, false};
};

/// Which parts of a world are marked: the editor's selection and unplaced
/// triangle corners, the play mode's chosen rope, and the rope and dock point
/// under the pointer. The world
/// itself carries none of this; the marks sit beside it, list for list and
/// index for index (ropes[i] belongs to world.ropes[i]). Whoever erases an
/// element from the middle of a list erases its marks too; elements added at
/// the end come unmarked with the next fit.
struct WorldMarks {
    std::vector<RopeMarks> ropes;
    std::vector<PointMark> balls;       ///< editor selection of each ball
    std::vector<LineMarks> lines;
    std::vector<TriangleMarks> triangles;
    std::vector<PointMark> dockPoints;  ///< play mode: under the pointer; editor: selected

    /// Gives every list the length of the world's (each rope's point marks
    /// that of its points): new entries unmarked, surplus ones dropped.
    void fit(const Simulation& world);

    /// Drops every mark.
    void clear();

    // Reads that accept any index: one beyond a list reads as unmarked.
    bool ropeSelected(std::size_t rope) const { return rope < ropes.size() && ropes[rope].selected; }
    bool ropeHovered(std::size_t rope) const { return rope < ropes.size() && ropes[rope].hovered; }
    bool massSelected(std::size_t rope, std::size_t mass) const;
    bool ballSelected(std::size_t ball) const { return ball < balls.size() && balls[ball].selected; }
    bool lineEndSelected(std::size_t line, int end) const;
    bool cornerSelected(std::size_t triangle, int corner) const;
    bool cornerUnplaced(std::size_t triangle, int corner) const;
    bool dockSelected(std::size_t dock) const { return dock < dockPoints.size() && dockPoints[dock].selected; }
};
