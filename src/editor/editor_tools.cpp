// What the action buttons and the sliders do to the edited world. Selection
// lives in the elements' own marks; the editor keeps no list of its own.
#include <algorithm>

#include "editor/selectable_points.h"
#include "editor/editor.h"
#include "level/build_simulation.h"
#include "level/rope_selection.h"

void SlideMenu::selectAll(bool value)
{
    forEachSelectablePoint(world, [value](Vector2D&, bool& mark) { mark = value; });
}

void SlideMenu::invertSelection()
{
    forEachSelectablePoint(world, [](Vector2D&, bool& mark) { mark = !mark; });
}

void SlideMenu::setHeld(bool value)
{
    // Only bodies can be pinned; dock points, triangles and lines never move.
    for (Rope& rope : world.ropes)
        for (Mass& mass : rope.masses)
            if (mass.selected) mass.fixed = value;
    for (Ball& ball : world.balls)
        if (ball.selected) ball.held = value;
}

void SlideMenu::removeSelected()
{
    // A rope, line or triangle is one thing to the author: one marked point
    // takes the whole element with it.
    std::erase_if(world.ropes, [](const Rope& rope) {
        return std::any_of(rope.masses.begin(), rope.masses.end(),
                           [](const Mass& mass) { return mass.selected; });
    });
    std::erase_if(world.balls, [](const Ball& ball) { return ball.selected; });
    std::erase_if(world.lines,
                  [](const Line& line) { return line.selected[0] || line.selected[1]; });
    std::erase_if(world.vertices, [](const Vertex& triangle) {
        return triangle.selected[0] || triangle.selected[1] || triangle.selected[2];
    });
    std::erase_if(world.dockPoints, [](const DockPoint& dock) { return dock.selected; });
}

void SlideMenu::stepRopeSelection(int step)
{
    // With no rope selected both directions start at rope 0.
    const int next = ::stepRopeSelection(world.ropes, 0, step);
    if (next < 0) return;
    Rope& rope = world.ropes[next];
    rope.selected = true;
    // Show the rope's length without counting it as a slider change. A rope
    // read from a file may have no spring: then the slider keeps its value.
    if (!rope.springs.empty()) slides[kSlideLength].value = 100.0f * rope.springs[0].restLength;
}

void SlideMenu::setRopeLength(float length)
{
    setSelectedRopesLength(world.ropes, length);
}

void SlideMenu::updateTextureCoordinates()
{
    for (Vertex& triangle : world.vertices) computeTexCoords(triangle, world.size);
}
