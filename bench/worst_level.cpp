// The most work a level file can ask of a frame: every list the reader takes
// filled to its limit, and everything piled on one spot so that every ball
// touches every line, every other ball and every rope point. The text asks
// for more than the limits; the reader cuts it. One iteration is one frame of
// play: three world steps. The balls are held and the rope points fixed, so
// the pile stays where it is and every frame does the full work.
#include <benchmark/benchmark.h>

#include <string>

#include "level/build_simulation.h"
#include "level/level.h"
#include "level/level_reader.h"
#include "physics/simulation.h"

namespace {

constexpr int kStepsPerFrame = 3;

std::string number(float value) { return std::to_string(value); }

// Built by appending: g++ 12 wrongly warns (-Wrestrict) on "[" + std::string.
std::string indexRecord(int index)
{
    std::string record(1, '[');
    return record.append(std::to_string(index)).append("]");
}
std::string pointRecord(int index)
{
    std::string record(1, ':');
    return record.append(std::to_string(index)).append(";");
}

// A level text with more of everything than the reader takes.
std::string worstLevelText()
{
    std::string text = "(0){0}<50>{1}<50>";
    text += "(6)";
    for (int i = 0; i < 2 * kMaxLevelLines; ++i) {
        // Lines through the pile at every angle: each passes within reach.
        const float t = static_cast<float>(i) * 0.05f;
        text += indexRecord(i) + "{0}<" + number(-3.0f) + ">{1}<" + number(-1.0f + 0.01f * t) + ">{2}<" +
                number(3.0f) + ">{3}<" + number(1.0f - 0.01f * t) + ">";
    }
    text += "(4)";
    for (int i = 0; i < 2 * kMaxLevelDockPoints; ++i) text += indexRecord(i) + "{0}<0.5>{1}<0.5>";
    text += "(3)";
    for (int i = 0; i < 2 * kMaxLevelTriangles; ++i)
        text += indexRecord(i) + ":0;{0}<-1>{1}<-1>:1;{0}<1>{1}<-1>:2;{0}<0>{1}<1>";
    text += "(2)";
    // Ropes of points all within a ball's reach, springs between them.
    for (int r = 0; r < 4; ++r) {
        text += indexRecord(r);
        for (int j = 0; j < kMaxRopeMasses; ++j) {
            const float x = 0.001f * static_cast<float>(j % 100);
            text += pointRecord(j) + "{0}<" + number(x) + ">{1}<0.2>{2}<1>{3}<1>{4}<0.35>";
        }
    }
    text += "(1)";
    for (int i = 0; i < 2 * kMaxLevelBalls; ++i)
        text += indexRecord(i) + "{0}<" + number(0.01f * static_cast<float>(i)) + ">{1}<0>{2}<1.5>{3}<1>{4}<1>";
    return text;
}

void WorstAcceptedLevel(benchmark::State& state)
{
    Level level;
    const LevelCuts cuts = parseLevel(worstLevelText(), level);
    if (!cuts.any()) state.SkipWithError("the text did not reach every limit");
    Simulation world;
    buildSimulation(level, world);
    std::size_t points = 0;
    for (const Rope& rope : world.ropes) points += rope.masses.size();

    const float step = static_cast<float>(state.range(0)) / 6.0f;  // play 1/6, editor and menus 1/3
    for (auto _ : state) {
        for (int i = 0; i < kStepsPerFrame; ++i) world.step(step);
        benchmark::DoNotOptimize(world.balls.data());
        benchmark::ClobberMemory();
    }
    state.counters["balls"] = static_cast<double>(world.balls.size());
    state.counters["lines"] = static_cast<double>(world.lines.size());
    state.counters["rope_points"] = static_cast<double>(points);
    state.counters["triangles"] = static_cast<double>(world.vertices.size());
}

} // namespace

BENCHMARK(WorstAcceptedLevel)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
