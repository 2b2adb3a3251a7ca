// The mouse gesture on the edited world: it begins with a press outside the
// panel, advances every frame the mouse stays outside, and ends wherever the
// button is released (also over the panel).
#include <algorithm>
#include <cmath>

#include "input/input.h"
#include "editor/selectable_points.h"
#include "editor/editor.h"
#include "level/build_simulation.h"
#include "physics/rope.h"

namespace {

float triangleArea(const Vertex& triangle)
{
    const Vector2D a = triangle.corners[1] - triangle.corners[0];
    const Vector2D b = triangle.corners[2] - triangle.corners[0];
    return 0.5f * std::fabs(a.x * b.y - a.y * b.x);
}

/// Index of the first corner of the triangle that is not placed yet, or -1.
int firstUnplacedCorner(const TriangleMarks& triangle)
{
    for (int k = 0; k < 3; ++k)
        if (triangle.unplaced[k]) return k;
    return -1;
}

/// A radius taken from a drag; a click (or a drag too short to mean a size)
/// gives the size a new part has, never an invisible part.
float dragRadius(Vector2D from, Vector2D to)
{
    const float radius = distance(from, to);
    return radius < kMinDragSize ? kClickRadius : radius;
}

float snapped(float value)
{
    return static_cast<float>(std::round(value / kSnapStep)) * kSnapStep;
}

}  // namespace

Vector2D SlideMenu::gesturePoint(const Input& input) const
{
    // A selection rectangle is drawn where the hand is; placed and moved
    // points keep to the grid.
    if (!input.keys[kVkShift] || tool == kButtonSelect || tool == kButtonUnselect) return input.mouse.world;
    return Vector2D(snapped(input.mouse.world.x), snapped(input.mouse.world.y));
}

void SlideMenu::updateGesture(const Input& input)
{
    if (input.mouse.leftDown && !mouseOverPanel) {
        if (!dragging) beginGesture(input);
        advanceGesture(input);
    }
    if (!input.mouse.leftDown && dragging) {
        dragging = false;
        endGesture();
    }
}

void SlideMenu::beginGesture(const Input& input)
{
    beginChange(tool != kButtonSelect && tool != kButtonUnselect);
    // Creating tools start from a clean selection so that what they make is
    // the only thing marked; Select, Unselect and Move work on the selection.
    if (toolKind(tool) == ToolKind::Creating) selectAll(false);
    dragStart = gesturePoint(input);
    dragging = true;

    switch (tool) {
    case kButtonLine:
        // New lines start with both ends unmarked.
        world.lines.emplace_back();
        world.lines.back().ends[0] = dragStart;
        break;
    case kButtonVertex: {
        // An unfinished triangle is continued, also after other tools.
        marks.fit(world);
        if (world.vertices.empty() || firstUnplacedCorner(marks.triangles.back()) < 0) {
            world.vertices.emplace_back();
            marks.fit(world);
            for (bool& unplaced : marks.triangles.back().unplaced) unplaced = true;
        }
        for (bool& mark : marks.triangles.back().selected) mark = true;
        break;
    }
    case kButtonBall: {
        world.balls.emplace_back();
        Ball& ball = world.balls.back();
        ball.held = true;
        ball.mass = 3.0f;
        marks.fit(world);
        marks.balls.back().selected = true;
        break;
    }
    case kButtonDockPoint:
        // New dock points start unmarked, like the ends of a new line.
        world.dockPoints.emplace_back();
        world.dockPoints.back().position = Vector2D(0, 0);
        marks.fit(world);
        marks.dockPoints.back().selected = false;
        break;
    case kButtonExitPoint:
        world.exitPosition = dragStart;
        break;
    default:
        break;
    }
    dragApplied = Vector2D(0, 0);
}

void SlideMenu::advanceGesture(const Input& input)
{
    dragCurrent = gesturePoint(input);

    // The guards below only matter for elements removed mid-gesture; the
    // tool itself cannot change while the button is held outside the panel.
    if (tool == kButtonVertex && !world.vertices.empty()) {
        marks.fit(world);
        int corner = firstUnplacedCorner(marks.triangles.back());
        if (corner >= 0) world.vertices.back().corners[corner] = dragCurrent;
    }
    if (tool == kButtonBall && !world.balls.empty()) {
        Ball& ball = world.balls.back();
        ball.position = dragStart;
        ball.radius = dragRadius(dragStart, dragCurrent);
        ball.velocity = Vector2D(0, 0);
        ball.force = Vector2D(0, 0);
    }
    if (tool == kButtonLine && !world.lines.empty()) world.lines.back().ends[1] = dragCurrent;
    if (tool == kButtonMove) {
        // Only the part of the drag not yet applied moves the selection, so a
        // drag moves everything once by its total length.
        Vector2D step = (dragCurrent - dragStart) - dragApplied;
        forEachSelectablePoint(world, marks, [step](Vector2D& point, bool& mark) {
            if (mark) point += step;
        });
    }
    if (tool == kButtonDockPoint && !world.dockPoints.empty())
        world.dockPoints.back().position = dragCurrent;
    if (tool == kButtonExitPoint) world.exitRadius = dragRadius(dragStart, dragCurrent);
    dragApplied = dragCurrent - dragStart;
}

void SlideMenu::endGesture()
{
    switch (tool) {
    case kButtonVertex:
        placeVertexCornerAtEnd();
        break;
    case kButtonRope:
        addNewRope();
        break;
    case kButtonSelect:
        markInRectangle(true);
        break;
    case kButtonUnselect:
        markInRectangle(false);
        break;
    case kButtonLine:
        dropShortLine();
        break;
    default:
        // Move, Dock point, Exit point and Ball acted frame by frame.
        break;
    }
}

void SlideMenu::dropShortLine()
{
    // A line too short to see could not be found again to remove it.
    if (world.lines.empty()) return;
    const Line& line = world.lines.back();
    if (distance(line.ends[0], line.ends[1]) >= kMinLineLength) return;
    world.lines.pop_back();
    marks.fit(world);
}

void SlideMenu::addNewRope()
{
    // addRope builds nothing for 0.1 world units or less. A new rope's points
    // all come out fixed; its inner points are selected, its ends not, so that
    // Undock frees the inner points as a group.
    const std::size_t before = world.ropes.size();
    addRope(dragStart, dragCurrent, world);
    if (world.ropes.size() == before) return;
    marks.fit(world);
    std::vector<PointMark>& points = marks.ropes.back().masses;
    for (std::size_t k = 1; k + 1 < points.size(); ++k) points[k].selected = true;
}

void SlideMenu::placeVertexCornerAtEnd()
{
    // The tool can become Vertex by releasing over its button during another
    // gesture; with no triangle, or none waiting for a corner, nothing happens.
    if (world.vertices.empty()) return;
    marks.fit(world);
    int corner = firstUnplacedCorner(marks.triangles.back());
    if (corner < 0) return;
    marks.triangles.back().unplaced[corner] = false;
    if (corner == 2 && triangleArea(world.vertices.back()) < kMinTriangleArea) {
        // Three corners in a row fill nothing: no triangle is made.
        world.vertices.pop_back();
        marks.fit(world);
        triangleMappings.resize(std::min(triangleMappings.size(), world.vertices.size()));
        return;
    }
    if (corner == 2) {
        triangleMappings.resize(world.vertices.size());
        computeTexCoords(world.vertices.back(), world.size, triangleMappings.back());
    }
}

void SlideMenu::markInRectangle(bool value)
{
    const float left = std::min(dragStart.x, dragCurrent.x);
    const float right = std::max(dragStart.x, dragCurrent.x);
    const float bottom = std::min(dragStart.y, dragCurrent.y);
    const float top = std::max(dragStart.y, dragCurrent.y);
    forEachSelectablePoint(world, marks, [&](Vector2D& point, bool& mark) {
        if (point.x >= left && point.x <= right && point.y >= bottom && point.y <= top)
            mark = value;
    });
}
