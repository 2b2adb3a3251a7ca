// What undo costs in the editor with a large level: the bytes of one kept
// state, the bytes of a full history, and the time to take a state and to
// put one back. The level has 2 000 parts: 600 lines, 500 triangles, 400
// dock points, 300 balls and 200 ropes of 11 points each.
#include <benchmark/benchmark.h>

#include "editor/editor.h"
#include "input/input.h"
#include "ui/dialog.h"
#include "level/game.h"
#include "physics/rope.h"

namespace {

void fillLevel(Simulation& world)
{
    world.size = Vector2D(10, 10);
    for (int i = 0; i < 600; ++i) {
        world.lines.emplace_back();
        world.lines.back().ends[0] = Vector2D(0.01f * i, -5);
        world.lines.back().ends[1] = Vector2D(0.01f * i + 1, -4);
    }
    for (int i = 0; i < 500; ++i) {
        Vertex triangle;
        for (int k = 0; k < 3; ++k) triangle.corners[k] = Vector2D(0.01f * i + k, 0.5f * k);
        world.vertices.push_back(triangle);
    }
    for (int i = 0; i < 400; ++i) {
        world.dockPoints.emplace_back();
        world.dockPoints.back().position = Vector2D(0.02f * i - 4, 3);
    }
    for (int i = 0; i < 300; ++i) {
        world.balls.emplace_back();
        world.balls.back().position = Vector2D(0.02f * i - 3, 2);
        world.balls.back().held = true;
    }
    // 3.5 units at one point per 0.35: 11 points a rope.
    for (int i = 0; i < 200; ++i) addRope(Vector2D(-5, 0.04f * i), Vector2D(-1.5f, 0.04f * i), world);
}

SlideMenu& largeEditor()
{
    static Game game;
    static Input input;
    static Dialog dialog(input);
    static SlideMenu editor(game, dialog);
    if (editor.world.lines.empty()) fillLevel(editor.world);
    editor.marks.fit(editor.world);
    return editor;
}

void BM_TakeState(benchmark::State& state)
{
    SlideMenu& editor = largeEditor();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string kept = editor.captureState();
        bytes = kept.size();
        benchmark::DoNotOptimize(kept.data());
    }
    state.counters["state_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_TakeState)->Unit(benchmark::kMicrosecond);

void BM_PutStateBack(benchmark::State& state)
{
    SlideMenu& editor = largeEditor();
    const std::string kept = editor.captureState();
    for (auto _ : state) editor.restoreState(kept);
}
BENCHMARK(BM_PutStateBack)->Unit(benchmark::kMicrosecond);

// Every step of the history filled with this level, as a long session of
// changes leaves it; one iteration fills it once.
void BM_FullHistory(benchmark::State& state)
{
    SlideMenu& editor = largeEditor();
    std::size_t bytes = 0;
    std::size_t steps = 0;
    for (auto _ : state) {
        EditHistory history;
        for (std::size_t i = 0; i < EditHistory::kMaxSteps + 10; ++i) {
            editor.marks.balls[0].selected = i % 2 == 0;
            history.record(editor.captureState());
        }
        bytes = history.bytes();
        steps = history.undoSteps();
    }
    state.counters["steps"] = static_cast<double>(steps);
    state.counters["history_MB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_FullHistory)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
