#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "level/level_solution.h"

/// How many ways there are to pick k of n, or some number above `cap` when
/// there are more (never overflowing).
long long chooseCount(long long n, int k, long long cap);

/// The ropes of one choice of dock pairs (indices into `pairs`): the stored
/// answer's pairs first, in its order and hung as it hangs them (way and
/// slider), then the others at the length the drag gives them, so that a
/// choice holding the whole answer replays it.
std::vector<RopePlan> choicePlan(const std::vector<RopePlan>& pairs, const std::vector<int>& picked,
                                 const LevelSolution& solution);

/// Calls `visit` with every k-subset of 0..n-1 in order when there are at most
/// `limit` of them, or else with a fixed-seed sample of `limit` subsets.
/// Stops early when `visit` returns false. Returns whether it sampled.
template <typename Visit>
bool forEachChoice(int n, int k, long long limit, Visit visit)
{
    if (chooseCount(n, k, limit) <= limit) {
        std::vector<int> picked(static_cast<std::size_t>(k));
        for (int i = 0; i < k; ++i) picked[static_cast<std::size_t>(i)] = i;
        while (true) {
            if (!visit(picked)) return false;
            int i = k - 1;
            while (i >= 0 && picked[static_cast<std::size_t>(i)] == n - k + i) --i;
            if (i < 0) return false;
            ++picked[static_cast<std::size_t>(i)];
            for (int j = i + 1; j < k; ++j)
                picked[static_cast<std::size_t>(j)] = picked[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
    std::uint32_t seed = 12345u;
    auto next = [&seed](int bound) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(bound));
    };
    for (long long sample = 0; sample < limit; ++sample) {
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
