// What the action buttons and the sliders do to the edited world. Selection
// lives in the marks beside the world, one per element or point.
#include <algorithm>

#include "editor/selectable_points.h"
#include "editor/editor.h"
#include "level/build_simulation.h"
#include "level/rope_selection.h"

void SlideMenu::selectAll(bool value)
{
    forEachSelectablePoint(world, marks, [value](Vector2D&, bool& mark) { mark = value; });
}

void SlideMenu::invertSelection()
{
    forEachSelectablePoint(world, marks, [](Vector2D&, bool& mark) { mark = !mark; });
}

void SlideMenu::setHeld(bool value)
{
    // Only bodies can be pinned; dock points, triangles and lines never move.
    marks.fit(world);
    for (std::size_t i = 0; i < world.ropes.size(); ++i)
        for (std::size_t k = 0; k < world.ropes[i].masses.size(); ++k)
            if (marks.ropes[i].masses[k].selected) world.ropes[i].masses[k].fixed = value;
    for (std::size_t i = 0; i < world.balls.size(); ++i)
        if (marks.balls[i].selected) world.balls[i].held = value;
}

namespace {

/// Erases from list, from its marks and from any other list kept beside it
/// (each as long as list), every element whose marks say so.
template <typename Element, typename Marks, typename Marked, typename... Beside>
void eraseMarked(std::vector<Element>& list, std::vector<Marks>& marks, Marked&& marked, std::vector<Beside>&... beside)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (marked(marks[i])) continue;
        if (kept != i) {
            list[kept] = std::move(list[i]);
            marks[kept] = std::move(marks[i]);
            ((beside[kept] = std::move(beside[i])), ...);
        }
        ++kept;
    }
    list.resize(kept);
    marks.resize(kept);
    (beside.resize(kept), ...);
}

bool anyOf(const bool (&flags)[2]) { return flags[0] || flags[1]; }
bool anyOf(const bool (&flags)[3]) { return flags[0] || flags[1] || flags[2]; }

}  // namespace

void SlideMenu::removeSelected()
{
    // A rope, line or triangle is one thing to the author: one marked point
    // takes the whole element with it.
    marks.fit(world);
    eraseMarked(world.ropes, marks.ropes, [](const RopeMarks& rope) {
        return std::any_of(rope.masses.begin(), rope.masses.end(),
                           [](const PointMark& mass) { return mass.selected; });
    });
    eraseMarked(world.balls, marks.balls, [](const PointMark& ball) { return ball.selected; });
    eraseMarked(world.lines, marks.lines, [](const LineMarks& line) { return anyOf(line.selected); });
    triangleMappings.resize(world.vertices.size());
    eraseMarked(
        world.vertices, marks.triangles, [](const TriangleMarks& triangle) { return anyOf(triangle.selected); },
        triangleMappings);
    eraseMarked(world.dockPoints, marks.dockPoints, [](const PointMark& dock) { return dock.selected; });
}

void SlideMenu::stepRopeSelection(int step)
{
    // With no rope selected both directions start at rope 0.
    marks.fit(world);
    const int next = ::stepRopeSelection(marks, 0, step);
    if (next < 0) return;
    Rope& rope = world.ropes[next];
    marks.ropes[next].selected = true;
    // Show the rope's length without counting it as a slider change. A rope
    // read from a file may have no spring: then the slider keeps its value.
    if (!rope.springs.empty()) slides[kSlideLength].value = 100.0f * rope.springs[0].restLength;
}

void SlideMenu::setRopeLength(float length)
{
    marks.fit(world);
    setSelectedRopesLength(world.ropes, marks, length);
}

void SlideMenu::updateTextureCoordinates()
{
    computeAllTexCoords(world, triangleMappings);
}
