#pragma once

#include <string>
#include <vector>

#include "level/level_solution.h"
#include "devtools/level_check.h"

/// Tries the search for fewer ropes than a par may play for one level in the
/// check. The tries grow with the square of the dock points for a par of three
/// and with its cube for a par of four; this many keeps the check of every
/// shipped level to seconds, and plays every choice of each one today.
constexpr long long kParCheckPlays = 800;
/// The budget of the offline search that works the pars out.
constexpr long long kParWorkPlays = 3000;

/// What the search for a finish with fewer ropes than a par found.
struct ParSearch {
    std::vector<RopePlan> win;  ///< a finishing choice of fewer ropes; empty when none was found
    int winFrame = -1;          ///< the frame of the try it finished at
    /// Every choice of fewer ropes was played. When not, `untriedRopes` is
    /// the first rope count whose `untriedChoices` were more than the
    /// `triesLeft` of the budget (choices of two ropes and up are then played
    /// as a sample of that many).
    bool exhaustive = true;
    int untriedRopes = 0;
    long long untriedChoices = 0;
    long long triesLeft = 0;
    long long plays = 0;
};

/// Looks for a finish of level `file` with fewer than `par` ropes, fewest
/// first: every lone rope at the length the drag gives it, taut and slack,
/// then every choice of two, three... dock pairs, each pair hung as the
/// stored answer hangs it or at its dragged length, each choice played for
/// twice the answer's frames. Stops at the first finish, and plays at most
/// `budget` tries.
ParSearch searchBelowPar(const std::string& file, const LevelSolution& solution, int par, long long budget);

struct ParCheckReport {
    int levelsChecked = 0;
    int proven = 0;                      ///< pars shown to be the fewest ropes
    std::vector<LevelFinding> findings;  ///< faults: the check fails
    std::vector<LevelFinding> notes;     ///< pars not proven minimal: no fault
};

/// Checks the par "<dataDir>/par.txt" gives every level "<dataDir>/levels.txt"
/// lists: it has one; the stored solution (or its shortest plan) of that many
/// ropes finishes the level in its frames, so a par below the stored ropes
/// fails; and no choice of fewer ropes finishes it (searchBelowPar with
/// `budget`), so a par too high fails where the search finds one. A search
/// that could not play every choice gives a note. A par for an unlisted
/// level is a fault too.
ParCheckReport checkPars(const std::string& dataDir, const std::string& solutionsDir, long long budget);

/// The par file text for every level "<dataDir>/levels.txt" lists, in list
/// order: the stored solution's fewest ropes, or fewer where searchBelowPar
/// (with `budget`) finds a finish with fewer. Levels without a readable
/// solution get no par. `notes` says what was not proven, and the finishes
/// found that a solution file should store as its shortest line.
std::string workOutPars(const std::string& dataDir, const std::string& solutionsDir, long long budget,
                        std::vector<LevelFinding>& notes);
