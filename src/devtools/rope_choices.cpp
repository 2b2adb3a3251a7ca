#include "devtools/rope_choices.h"

namespace {

bool samePair(const RopePlan& a, const RopePlan& b)
{
    return std::minmax(a.fromDock, a.toDock) == std::minmax(b.fromDock, b.toDock);
}

/// The pair as the stored answer hangs it, when the answer uses it.
RopePlan asAnswered(const RopePlan& pair, const LevelSolution& solution)
{
    for (const RopePlan& rope : solution.ropes)
        if (samePair(rope, pair)) return rope;
    return pair;
}

}  // namespace

long long chooseCount(long long n, int k, long long cap)
{
    if (k < 0 || k > n) return 0;
    long long count = 1;
    for (int i = 1; i <= k; ++i) {
        count = count * (n - k + i) / i;
        if (count > cap * 1000) return count;  // surely above the cap; no overflow
    }
    return count;
}

std::vector<RopePlan> choicePlan(const std::vector<RopePlan>& pairs, const std::vector<int>& picked,
                                 const LevelSolution& solution)
{
    std::vector<RopePlan> plan;
    for (const RopePlan& rope : solution.ropes)
        for (int index : picked)
            if (samePair(rope, pairs[index])) plan.push_back(rope);
    for (int index : picked) {
        const RopePlan rope = asAnswered(pairs[index], solution);
        if (std::none_of(plan.begin(), plan.end(),
                         [&](const RopePlan& p) { return p.fromDock == rope.fromDock && p.toDock == rope.toDock; }))
            plan.push_back(rope);
    }
    return plan;
}
