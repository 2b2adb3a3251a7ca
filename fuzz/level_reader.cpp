// Feeds arbitrary bytes to the level reader, builds a running world from the
// result and writes it out again: none of it may crash, hang or grow a list
// past its limit.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "level/build_simulation.h"
#include "level/level.h"
#include "level/level_reader.h"
#include "level/level_writer.h"
#include "physics/simulation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    Level level;
    parseLevel(text, level);

    std::size_t ropePoints = 0;
    for (const Rope& rope : level.ropes) ropePoints += rope.masses.size() + rope.springs.size();
    if (level.lines.size() > kMaxLevelLines || level.balls.size() > kMaxLevelBalls ||
        level.ropes.size() > kMaxLevelRopes || level.vertices.size() > kMaxLevelTriangles ||
        level.dockPoints.size() > kMaxLevelDockPoints || ropePoints > kMaxLevelRopePoints)
        std::abort();

    Simulation world;
    buildSimulation(level, world);
    for (const Rope& rope : world.ropes)
        for (const Spring& spring : rope.springs)
            if (spring.second >= static_cast<int>(rope.masses.size())) std::abort();

    std::string written = formatLevel(world, level.theme);
    Level again;
    parseLevel(written, again);
    return 0;
}
