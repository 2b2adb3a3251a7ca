#include "devtools/level_difficulty.h"

#include "level/level.h"
#include "level/level_solution.h"
#include "devtools/headless_player.h"
#include "devtools/rope_choices.h"
#include "devtools/solution_variants.h"

namespace {

/// Plays one choice the way the stored answer is played: a moment apart
/// when its order matters.
bool playChoice(const std::string& file, const std::vector<RopePlan>& plan, int frameLimit, const LevelSolution& solution)
{
    return playHeadless(file, plan, frameLimit, FrameObserver(), 0, ropePause(solution)).completed;
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
        forEachChoice(static_cast<int>(pairs.size()), k, kMaxDifficultyChoices, [&](const std::vector<int>& picked) {
            if (!playChoice(file, choicePlan(pairs, picked, solution), frameLimit, solution)) return true;
            result.shortestRopes = k;
            return false;
        });
    }

    const int k = result.shortestRopes;
    if (k == 0) return result;
    const int pairCount = static_cast<int>(pairs.size());
    result.sampled = forEachChoice(pairCount, k, kMaxDifficultyChoices, [&](const std::vector<int>& picked) {
        ++result.choices;
        if (playChoice(file, choicePlan(pairs, picked, solution), frameLimit, solution)) ++result.wins;
        return true;
    });
    return result;
}
