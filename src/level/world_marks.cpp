#include "level/world_marks.h"

#include "physics/simulation.h"

void WorldMarks::fit(const Simulation& world)
{
    ropes.resize(world.ropes.size());
    for (std::size_t i = 0; i < ropes.size(); ++i) ropes[i].masses.resize(world.ropes[i].masses.size());
    balls.resize(world.balls.size());
    lines.resize(world.lines.size());
    triangles.resize(world.vertices.size());
    dockPoints.resize(world.dockPoints.size());
}

void WorldMarks::clear()
{
    ropes.clear();
    balls.clear();
    lines.clear();
    triangles.clear();
    dockPoints.clear();
}

bool WorldMarks::massSelected(std::size_t rope, std::size_t mass) const
{
    return rope < ropes.size() && mass < ropes[rope].masses.size() && ropes[rope].masses[mass].selected;
}

bool WorldMarks::lineEndSelected(std::size_t line, int end) const
{
    return line < lines.size() && lines[line].selected[end];
}

bool WorldMarks::cornerUnplaced(std::size_t triangle, int corner) const
{
    return triangle < triangles.size() && triangles[triangle].unplaced[corner];
}

bool WorldMarks::cornerSelected(std::size_t triangle, int corner) const
{
    return triangle < triangles.size() && triangles[triangle].selected[corner];
}
