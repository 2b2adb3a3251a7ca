#pragma once

#include "level/world_marks.h"
#include "physics/simulation.h"
#include "physics/vector2d.h"

/// Calls visit(point, mark) for every point of the world that the editor can
/// select, with the selection mark that belongs to it in marks (fitted to the
/// world first), in the order the rectangle tools test them: rope masses,
/// balls, dock points, triangle corners (each on its own), first ends of
/// lines, second ends of lines. The ropes' own marks and the exit are not
/// points and are never visited.
template <typename Visit>
void forEachSelectablePoint(Simulation& world, WorldMarks& marks, Visit&& visit)
{
    marks.fit(world);
    for (std::size_t i = 0; i < world.ropes.size(); ++i)
        for (std::size_t k = 0; k < world.ropes[i].masses.size(); ++k)
            visit(world.ropes[i].masses[k].position, marks.ropes[i].masses[k].selected);
    for (std::size_t i = 0; i < world.balls.size(); ++i) visit(world.balls[i].position, marks.balls[i].selected);
    for (std::size_t i = 0; i < world.dockPoints.size(); ++i)
        visit(world.dockPoints[i].position, marks.dockPoints[i].selected);
    for (std::size_t i = 0; i < world.vertices.size(); ++i)
        for (int k = 0; k < 3; ++k) visit(world.vertices[i].corners[k], marks.triangles[i].selected[k]);
    for (std::size_t i = 0; i < world.lines.size(); ++i) visit(world.lines[i].ends[0], marks.lines[i].selected[0]);
    for (std::size_t i = 0; i < world.lines.size(); ++i) visit(world.lines[i].ends[1], marks.lines[i].selected[1]);
}
