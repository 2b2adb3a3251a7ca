// Reading a level text must stay linear in its length: the time per byte
// should be flat from a kilobyte to ten megabytes.
#include <benchmark/benchmark.h>

#include <string>

#include "level/level.h"
#include "level/level_reader.h"

namespace {

// A level-like text of about the given size: lines, dock points and a rope,
// with element indices cycling below 200 so the lists stay small.
std::string levelText(std::size_t bytes)
{
    std::string text = "(0){0}<4>{1}<3>{3}<Forest>(5){0}<2>{1}<0.5>{2}<0.3>";
    int i = 0;
    while (text.size() < bytes) {
        std::string n = std::to_string(i % 200);
        text += "(6)[" + n + "]{0}<-1.25>{1}<0.5>{2}<1.75>{3}<-0.333333>";
        text += "(4)[" + n + "]{0}<0.35>{1}<1>";
        text += "(2)[0]:" + n + ";{0}<0.7>{1}<1>{2}<1>{3}<0>{4}<0.2625>";
        ++i;
    }
    return text;
}

void BM_ParseLevel(benchmark::State& state)
{
    std::string text = levelText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        Level level;
        parseLevel(text, level);
        benchmark::DoNotOptimize(level.lines.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseLevel)->RangeMultiplier(10)->Range(1 << 10, 10 << 20)->Complexity(benchmark::oN);

} // namespace
