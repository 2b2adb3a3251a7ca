#pragma once

#include <string>

struct LevelSolution;

/// How hard a level is to find out by trying, measured by playing it.
struct LevelDifficulty {
    int dockPoints = 0;
    /// Fewest ropes of any winning choice found: lone ropes (dragged, taut
    /// and slack) are all tried, then every choice of fewer pairs than the
    /// stored answer hangs; the answer's own count when none of them wins.
    int shortestRopes = 0;
    /// Choices of `shortestRopes` dock pairs tried, and how many of them win.
    /// A pair the stored answer uses is hung as the answer hangs it (way and
    /// slider); any other pair at the length the drag gives it.
    long long choices = 0;
    long long wins = 0;
    /// The choices were too many to play all; `choices` is a fixed sample.
    bool sampled = false;

    /// Share of the tried choices that win, 0 to 1.
    double winShare() const { return choices > 0 ? static_cast<double>(wins) / static_cast<double>(choices) : 0.0; }
};

/// Most choices played for one rope count; beyond it a fixed-seed sample of
/// this many stands for them all.
constexpr long long kMaxDifficultyChoices = 3000;

/// Measures level `file` against its stored answer. Each choice is played
/// for twice the answer's frames. Costs up to a few thousand headless plays.
LevelDifficulty measureDifficulty(const std::string& file, const LevelSolution& solution);
