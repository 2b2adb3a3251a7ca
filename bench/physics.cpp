// Cost of one world step on a typical level and on a crowded one.
#include <benchmark/benchmark.h>

#include "physics/simulation.h"

namespace {

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
void run(benchmark::State& state, Simulation sim)
{
    for (int i = 0; i < 300; ++i) sim.step(1.0f / 6.0f);
    for (auto _ : state) {
        sim.step(1.0f / 6.0f);
        benchmark::DoNotOptimize(sim.balls.data());
        benchmark::ClobberMemory();
    }
}

void TypicalLevel(benchmark::State& state)
{
    Simulation sim;
    sim.size = {3.0f, 2.0f};
    addBalls(sim, 1);
    addLines(sim, 10);
    for (int i = 0; i < 3; ++i) addHangingRope(sim, {-2.8f, 1.2f - 0.8f * static_cast<float>(i)}, 15);
    run(state, sim);
}

void StressWorld(benchmark::State& state)
{
    Simulation sim;
    sim.size = {6.0f, 5.0f};
    addBalls(sim, 8);
    addLines(sim, 100);
    for (int i = 0; i < 20; ++i)
        addHangingRope(sim, {-5.5f, 4.5f - 0.45f * static_cast<float>(i)}, 30);
    run(state, sim);
}

} // namespace

BENCHMARK(TypicalLevel)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(StressWorld)->Repetitions(9)->ReportAggregatesOnly(true);
