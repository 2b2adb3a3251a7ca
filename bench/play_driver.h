#pragma once

#include <string>
#include <vector>

#include "level/level_solution.h"
#include "devtools/headless_player.h"
#include "play/play_mode.h"

// The shipped levels with their stored solutions, for the bench programs, which
// put each level where a player gets with its solution (hangRopes and startTry
// of the headless player) and time what comes after.

/// One level of the shipped list with its stored solution.
struct ShippedLevel {
    std::string name;
    LevelSolution solution;  ///< no ropes and 0 frames when it has none
};

/// The levels named in `dataDir`/levels.txt, in list order, each with the
/// solution read from `solutionsDir` when it has one. Returns an empty list
/// and says why in `error` when the list cannot be read.
std::vector<ShippedLevel> shippedLevels(const std::string& dataDir, const std::string& solutionsDir,
                                        std::string& error);
