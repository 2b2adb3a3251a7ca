#include "level/build_simulation.h"

#include <cstdlib>

#include "level/level.h"
#include "physics/simulation.h"

namespace {

// Two random offsets per corner, up to 99 / 3000 each, so that neighbouring
// triangles of one level do not show the exact same patch of the theme.
float textureJitter()
{
    return static_cast<float>(std::rand() % 100) * (1.0f / 3000.0f);
}

void copyLines(const Level& level, Simulation& simulation)
{
    for (const Line& from : level.lines) {
        Line& line = simulation.lines.emplace_back();
        line.ends[0] = from.ends[0];
        line.ends[1] = from.ends[1];
    }
}

void copyDockPoints(const Level& level, Simulation& simulation)
{
    for (const DockPoint& from : level.dockPoints) {
        DockPoint& dock = simulation.dockPoints.emplace_back();
        dock.position = from.position;
    }
}

void copyTriangles(const Level& level, Simulation& simulation, TriangleMappings* mappings)
{
    if (mappings) mappings->clear();
    for (const Vertex& from : level.vertices) {
        Vertex& triangle = simulation.vertices.emplace_back();
        // The coordinates are worked out once per corner copied, so a level
        // always consumes the same count of rand() draws per triangle; only
        // the last pass, with all three corners in place, is kept.
        TriangleMapping mapping;
        for (int j = 0; j < 3; ++j) {
            triangle.corners[j] = from.corners[j];
            computeTexCoords(triangle, simulation.size, mapping);
        }
        if (mappings) mappings->push_back(mapping);
    }
}

void copyBalls(const Level& level, Simulation& simulation)
{
    for (const Ball& from : level.balls) {
        Ball& ball = simulation.balls.emplace_back();
        ball.position = from.position;
        ball.mass = from.mass;
        ball.radius = from.radius;
        ball.held = from.held;
    }
}

void copyRopes(const Level& level, Simulation& simulation)
{
    for (const Rope& from : level.ropes) copyRopeBody(from, simulation.ropes.emplace_back());
}

} // namespace

void copyRopeBody(const Rope& stored, Rope& rope)
{
    rope.masses.clear();
    rope.springs.clear();
    rope.broken = false;
    for (const Mass& storedMass : stored.masses) {
        Mass& mass = rope.masses.emplace_back();
        mass.position = storedMass.position;
        mass.mass = storedMass.mass;
        mass.fixed = storedMass.fixed;
    }
    // Spring j joins masses j and j + 1. A hand-made file can give the last
    // mass a rest length too; that spring would have no second mass, so it
    // is not built.
    for (std::size_t j = 0; j < stored.springs.size() && j + 1 < rope.masses.size(); ++j) {
        Spring& spring = rope.springs.emplace_back();
        spring.active = true;
        spring.restLength = stored.springs[j].restLength;
        spring.first = static_cast<int>(j);
        spring.second = static_cast<int>(j + 1);
    }
}

void computeTexCoords(const Vertex& triangle, const Vector2D& size, TriangleMapping& mapping)
{
    if (size.x == 0.0f || size.y == 0.0f) return;
    for (int k = 0; k < 3; ++k) {
        float offsetX = textureJitter();
        float offsetY = textureJitter();
        mapping.texCoords[k] = Vector2D(triangle.corners[k].x / size.x + 0.5f + offsetX,
                                        triangle.corners[k].y / size.y + 0.5f + offsetY);
    }
}

void computeAllTexCoords(const Simulation& world, TriangleMappings& mappings)
{
    mappings.resize(world.vertices.size());
    for (std::size_t i = 0; i < world.vertices.size(); ++i)
        computeTexCoords(world.vertices[i], world.size, mappings[i]);
}

void buildSimulation(const Level& level, Simulation& simulation, TriangleMappings* mappings)
{
    // Start from empty lists
    simulation.ropes.clear();
    simulation.balls.clear();
    simulation.lines.clear();
    simulation.vertices.clear();
    simulation.dockPoints.clear();

    // Bounds and exit
    simulation.size = level.size;
    simulation.exitPosition = level.exitPosition;
    simulation.exitRadius = level.exitRadius;

    // Elements, in the order that fixes the rand() draws
    copyLines(level, simulation);
    copyDockPoints(level, simulation);
    copyTriangles(level, simulation, mappings);
    copyBalls(level, simulation);
    copyRopes(level, simulation);
}
