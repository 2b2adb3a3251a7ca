#pragma once

#include <string>
#include <vector>

#include "play/level_solution.h"
#include "play/play_menu.h"

// Puts a level into the state a player reaches with its stored solution: the
// solution's ropes dragged between their dock points and the try started, so
// the ball is moving. The bench programs time what comes after.

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

/// Hangs each planned rope in `menu` (an active play mode, placing) through
/// three updates of mouse input, as the player would. Returns how many were laid.
int hangRopes(PlayMenu& menu, const std::vector<RopePlan>& ropes);

/// Clicks "Try it out" and leaves the mouse up over the world, away from the panel.
void startTry(PlayMenu& menu);
