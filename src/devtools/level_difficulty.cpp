#include "devtools/level_difficulty.h"

#include <algorithm>
#include <cstdint>

#include "level/level.h"
#include "devtools/headless_player.h"
#include "devtools/level_solution.h"
#include "devtools/solution_variants.h"

namespace {

long long chooseCount(long long n, int k)
{
    if (k < 0 || k > n) return 0;
    long long count = 1;
    for (int i = 1; i <= k; ++i) {
        count = count * (n - k + i) / i;
        if (count > kMaxDifficultyChoices * 1000) return count;  // large enough to sample; no overflow
    }
    return count;
}

/// The pair as the stored answer hangs it, when the answer uses it.
RopePlan asAnswered(const RopePlan& pair, const LevelSolution& solution)
{
    for (const RopePlan& rope : solution.ropes)
        if (std::minmax(rope.fromDock, rope.toDock) == std::minmax(pair.fromDock, pair.toDock)) return rope;
    return pair;
}

/// The ropes of one choice: the answer's pairs first, in the answer's order,
/// then the others, so that a choice holding the whole answer replays it.
std::vector<RopePlan> choicePlan(const std::vector<RopePlan>& pairs, const std::vector<int>& picked,
                                 const LevelSolution& solution)
{
    std::vector<RopePlan> plan;
    for (const RopePlan& rope : solution.ropes)
        for (int index : picked)
            if (std::minmax(rope.fromDock, rope.toDock) == std::minmax(pairs[index].fromDock, pairs[index].toDock))
                plan.push_back(rope);
    for (int index : picked) {
        const RopePlan rope = asAnswered(pairs[index], solution);
        if (std::none_of(plan.begin(), plan.end(), [&](const RopePlan& p) {
                return p.fromDock == rope.fromDock && p.toDock == rope.toDock;
            }))
            plan.push_back(rope);
    }
    return plan;
}

/// Plays one choice the way the stored answer is played: a moment apart
/// when its order matters.
bool playChoice(const std::string& file, const std::vector<RopePlan>& plan, int frameLimit, const LevelSolution& solution)
{
    return playHeadless(file, plan, frameLimit, FrameObserver(), 0, ropePause(solution)).completed;
}

/// Calls `visit` with every k-subset of 0..n-1 in order, or with a fixed
/// sample of kMaxDifficultyChoices distinct-index subsets when there are more.
/// Stops early when `visit` returns false. Returns whether it sampled.
template <typename Visit>
bool forEachChoice(int n, int k, Visit visit)
{
    if (chooseCount(n, k) <= kMaxDifficultyChoices) {
        std::vector<int> picked(static_cast<std::size_t>(k));
        for (int i = 0; i < k; ++i) picked[static_cast<std::size_t>(i)] = i;
        while (true) {
            if (!visit(picked)) return false;
            int i = k - 1;
            while (i >= 0 && picked[static_cast<std::size_t>(i)] == n - k + i) --i;
            if (i < 0) return false;
            ++picked[static_cast<std::size_t>(i)];
            for (int j = i + 1; j < k; ++j) picked[static_cast<std::size_t>(j)] = picked[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
    std::uint32_t seed = 12345u;
    auto next = [&seed](int bound) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(bound));
    };
    for (long long sample = 0; sample < kMaxDifficultyChoices; ++sample) {
        std::vector<int> picked;
        while (static_cast<int>(picked.size()) < k) {
            const int index = next(n);
            if (std::find(picked.begin(), picked.end(), index) == picked.end()) picked.push_back(index);
        }
        std::sort(picked.begin(), picked.end());
        if (!visit(picked)) break;
    }
    return true;
}

}  // namespace

LevelDifficulty measureDifficulty(const std::string& file, const LevelSolution& solution)
{
    LevelDifficulty result;
    Level level;
    if (!level.load(file)) return result;
    result.dockPoints = static_cast<int>(level.dockPoints.size());
    const std::vector<RopePlan> pairs = dockPairs(result.dockPoints);
    const int frameLimit = 2 * solution.frames;
    const int answerRopes = static_cast<int>(solution.ropes.size());

    // The fewest ropes that win: lone ropes at three lengths, then larger
    // choices up to one short of the answer.
    result.shortestRopes = answerRopes;
    if (answerRopes > 1 && !winningSingleRopes(file, frameLimit).empty()) result.shortestRopes = 1;
    for (int k = 2; k < answerRopes && result.shortestRopes == answerRopes; ++k) {
        forEachChoice(static_cast<int>(pairs.size()), k, [&](const std::vector<int>& picked) {
            if (!playChoice(file, choicePlan(pairs, picked, solution), frameLimit, solution)) return true;
            result.shortestRopes = k;
            return false;
        });
    }

    const int k = result.shortestRopes;
    if (k == 0) return result;
    result.sampled = forEachChoice(static_cast<int>(pairs.size()), k, [&](const std::vector<int>& picked) {
        ++result.choices;
        if (playChoice(file, choicePlan(pairs, picked, solution), frameLimit, solution)) ++result.wins;
        return true;
    });
    return result;
}
