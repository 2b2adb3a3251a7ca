// Cost of one world step: every shipped level as its stored solution plays
// it, a typical made-up level and a crowded stress world. Each also counts the
// heap allocations made inside Simulation::step, which must stay at zero.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "alloc_counter.h"
#include "level/game.h"
#include "physics/simulation.h"
#include "play/start_level.h"
#include "play_driver.h"

namespace {

/// The play mode's step length at dt 1: (1 / subSteps) * 0.5.
constexpr float kPlayStep = 1.0f / 6.0f;
constexpr int kStepsPerFrame = 3;
/// Frames replayed for a level that has no stored solution.
constexpr int kFramesWithoutSolution = 1000;

/// Steps `sim` once per iteration and reports the allocations the steps made.
/// Every `period` steps the world goes back to `start`, so the time is the
/// average over the same stretch of play however long the benchmark runs.
void stepAndCount(benchmark::State& state, const Simulation& start, int period)
{
    Simulation sim = start;
    std::uint64_t allocations = 0;
    std::int64_t steps = 0;
    int sinceReset = 0;
    for (auto _ : state) {
        const std::uint64_t before = newCount();
        sim.step(kPlayStep);
        allocations += newCount() - before;
        benchmark::DoNotOptimize(sim.balls.data());
        benchmark::ClobberMemory();
        ++steps;
        if (++sinceReset == period) {
            state.PauseTiming();
            sim = start;  // same sizes, so the copy reuses every array
            sinceReset = 0;
            state.ResumeTiming();
        }
    }
    state.counters["allocs_per_step"] = steps > 0 ? static_cast<double>(allocations) / static_cast<double>(steps) : 0.0;
    std::size_t points = 0;
    for (const Rope& rope : start.ropes) points += rope.masses.size();
    state.counters["balls"] = static_cast<double>(start.balls.size());
    state.counters["ropes"] = static_cast<double>(start.ropes.size());
    state.counters["points"] = static_cast<double>(points);
    state.counters["lines"] = static_cast<double>(start.lines.size());
}

// --- Made-up worlds --------------------------------------------------------

void addLines(Simulation& sim, int count)
{
    for (int i = 0; i < count; ++i) {
        float x = -sim.size.x + (2.0f * sim.size.x) * (static_cast<float>(i) + 0.5f) / static_cast<float>(count);
        Line& l = sim.lines.emplace_back();
        l.ends[0] = {x - 0.1f, -1.0f + 0.05f * static_cast<float>(i % 7)};
        l.ends[1] = {x + 0.1f, -1.2f + 0.04f * static_cast<float>(i % 5)};
    }
}

// A rope of exactly `points` points hanging between two pinned ends.
void addHangingRope(Simulation& sim, Vector2D from, int points)
{
    Vector2D to = from + Vector2D(0.35f * static_cast<float>(points - 1) - 0.01f, 0.0f);
    addRope(from, to, sim);
    Rope& r = sim.ropes.back();
    for (size_t i = 1; i + 1 < r.masses.size(); ++i) r.masses[i].fixed = false;
}

void addBalls(Simulation& sim, int count)
{
    for (int i = 0; i < count; ++i) {
        Ball& b = sim.balls.emplace_back();
        b.position = {-sim.size.x + 0.5f + 0.6f * static_cast<float>(i), 1.0f};
        b.radius = 0.25f;
    }
}

// Steps a while first so the ropes sag and balls settle into contacts.
void settle(Simulation& sim)
{
    for (int i = 0; i < 300; ++i) sim.step(kPlayStep);
}

void TypicalLevel(benchmark::State& state)
{
    Simulation sim;
    sim.size = {3.0f, 2.0f};
    addBalls(sim, 1);
    addLines(sim, 10);
    for (int i = 0; i < 3; ++i) addHangingRope(sim, {-2.8f, 1.2f - 0.8f * static_cast<float>(i)}, 15);
    settle(sim);
    stepAndCount(state, sim, 3000);
}

/// 20 ropes of 30 points, 8 balls and 100 lines.
void StressWorld(benchmark::State& state)
{
    Simulation sim;
    sim.size = {6.0f, 5.0f};
    addBalls(sim, 8);
    addLines(sim, 100);
    for (int i = 0; i < 20; ++i) addHangingRope(sim, {-5.5f, 4.5f - 0.45f * static_cast<float>(i)}, 30);
    settle(sim);
    stepAndCount(state, sim, 3000);
}

// --- Shipped levels --------------------------------------------------------

/// The world of a level just after "Try it out" with its solution's ropes.
/// Returns false when the level file cannot be read.
bool solvedTryWorld(const ShippedLevel& level, int index, Simulation& world)
{
    auto game = std::make_unique<Game>();
    auto view = std::make_unique<View>();
    auto menu = std::make_unique<PlayMenu>(*game, *view);
    const std::string file = std::string(TANGLOOP_SOURCE_DIR) + "/data/" + levelFilePath(level.name);
    if (!startLevelFile(*menu, file, level.name, index)) return false;
    hangRopes(*menu, level.solution.ropes);
    startTry(*menu);
    world = menu->world;
    return true;
}

void registerShippedLevels()
{
    std::string error;
    const std::vector<ShippedLevel> levels =
        shippedLevels(std::string(TANGLOOP_SOURCE_DIR) + "/data", std::string(TANGLOOP_SOURCE_DIR) + "/tests/levels",
                      error);
    if (levels.empty()) std::fprintf(stderr, "bench_physics: %s; only the made-up worlds run\n", error.c_str());
    for (std::size_t i = 0; i < levels.size(); ++i) {
        auto world = std::make_shared<Simulation>();
        if (!solvedTryWorld(levels[i], static_cast<int>(i), *world)) {
            std::fprintf(stderr, "bench_physics: cannot read level %s\n", levels[i].name.c_str());
            continue;
        }
        // The whole try as the solution plays it, up to the exit.
        const int frames = levels[i].solution.frames > 0 ? levels[i].solution.frames : kFramesWithoutSolution;
        const int period = frames * kStepsPerFrame;
        benchmark::RegisterBenchmark(("Level/" + levels[i].name).c_str(),
                                     [world, period](benchmark::State& state) { stepAndCount(state, *world, period); })
            ->Repetitions(9)
            ->ReportAggregatesOnly(true);
    }
}

}  // namespace

BENCHMARK(TypicalLevel)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(StressWorld)->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    registerShippedLevels();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
