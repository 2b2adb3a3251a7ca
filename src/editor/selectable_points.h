#pragma once

#include "physics/simulation.h"
#include "physics/vector2d.h"

/// Calls visit(point, mark) for every point of the world that the editor can
/// select, with the selection mark that belongs to it, in the order the
/// rectangle tools test them: rope masses, balls, dock points, triangle
/// corners (each on its own), first ends of lines, second ends of lines.
/// The ropes' own flags and the exit are not points and are never visited.
template <typename Visit>
void forEachSelectablePoint(Simulation& world, Visit&& visit)
{
    for (Rope& rope : world.ropes)
        for (Mass& mass : rope.masses) visit(mass.position, mass.selected);
    for (Ball& ball : world.balls) visit(ball.position, ball.selected);
    for (DockPoint& dock : world.dockPoints) visit(dock.position, dock.selected);
    for (Vertex& triangle : world.vertices)
        for (int k = 0; k < 3; ++k) visit(triangle.corners[k], triangle.selected[k]);
    for (Line& line : world.lines) visit(line.ends[0], line.selected[0]);
    for (Line& line : world.lines) visit(line.ends[1], line.selected[1]);
}
