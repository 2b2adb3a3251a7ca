#pragma once

#include <cstddef>
#include <vector>

#include "level/game.h"
#include "level/triangle_mapping.h"
#include "physics/vector2d.h"

struct Simulation;
struct WorldMarks;

/// Where the moving parts of a world stood at one update: every ball and
/// every rope point, rope by rope. Kept so that a frame can be drawn
/// between two updates. Capturing again reuses the lists' room.
struct WorldPose {
    std::vector<Vector2D> balls;
    std::vector<Vector2D> ropePoints;
    std::vector<std::size_t> ropeStarts;  ///< where each rope's points begin, and one past the last

    void capture(const Simulation& world);
    /// Whether the world still has the same balls and ropes of the same
    /// lengths, so that each part can be drawn between the two.
    bool fits(const Simulation& world) const;
};

/// Draws the balls and rope points at `fraction` of the way from `previous`
/// to where they are now; 1 (or a pose that no longer fits) draws them
/// where they are.
struct WorldBlend {
    const WorldPose* previous = nullptr;
    float fraction = 1.0f;
};

/// The pictures a world is drawn with.
struct WorldTextures {
    /// Background and triangles (the current theme's, or the shown main-menu
    /// screen's picture); null draws the triangles as red outlines.
    const unsigned int* scene = nullptr;
    unsigned int ball = 0;  ///< the ball picture; 0 for none
};

/// The pictures the game's worlds are drawn with now.
inline WorldTextures worldTexturesOf(const Game& game) { return {game.currentTexture, game.ballTexture}; }

/// Draws a running world through the drawing view (ui/overlay.h), back to front: background
/// and dimmed field (unless world.noBackdrop), frame, triangles (the scene
/// picture laid on them by mappings), exit, lines, ropes, balls and dock
/// points. Marked parts are lit (yellow, a hovered rope dim yellow); null
/// marks, or marks shorter than the world's lists, light nothing (there).
/// GL only, once per frame.
void drawWorld(const Simulation& world, const TriangleMappings& mappings, const WorldTextures& textures,
               const WorldMarks* marks = nullptr, WorldBlend blend = {});
