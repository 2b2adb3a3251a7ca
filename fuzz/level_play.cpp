// Feeds arbitrary bytes to the level reader and then runs the world it
// builds for two seconds of play, as "Try it out" would: hostile numbers
// (huge, tiny, negative masses and lengths, balls inside lines) may make
// nonsense of the motion but must never crash the step or read out of bounds.
#include <cstdint>
#include <string_view>

#include "level/build_simulation.h"
#include "level/level.h"
#include "level/level_reader.h"
#include "physics/constants.h"
#include "physics/simulation.h"

namespace {

/// Worlds with more contact tests per step than this are skipped: their cost
/// is in the size, not in new paths through the step, and they would starve
/// the fuzzer of executions.
constexpr std::size_t kMaxContactsPerStep = 20000;
constexpr int kFrames = 200;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    Level level;
    parseLevel(text, level);

    std::size_t ropePoints = 0;
    for (const Rope& rope : level.ropes) ropePoints += rope.masses.size() + rope.springs.size();
    const std::size_t balls = level.balls.size() + 1;
    if (balls * (level.lines.size() + ropePoints + balls) + ropePoints > kMaxContactsPerStep) return 0;

    Simulation world;
    buildSimulation(level, world);
    const float stepLength = (1.0f / static_cast<float>(world.subSteps)) * kPlayTimeScale;
    for (int frame = 0; frame < kFrames; ++frame)
        for (int i = 0; i < world.subSteps; ++i) world.step(stepLength);
    return 0;
}
