#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "devtools/headless_player.h"

/// A stored answer to one level: the ropes to hang and how many frames after
/// "Try it out" the level may take to complete. Kept as a small text file
/// beside the tests, one "key value" line each:
///
///   ropes 0-1 1-2@22
///   frames 700
///   breather
///   order
///
/// "ropes" is a rope plan as parseRopePlan reads it (a missing line means no
/// ropes); "frames" is required; "breather" marks a level of several ropes
/// that one rope may also finish, on purpose; "order" marks a level whose
/// ropes must go up in the order listed, because one of them sets another
/// ball moving that an earlier one has to meet. Blank lines, lines starting
/// with '#' and unknown keys are skipped; a repeated key keeps its last value.
struct LevelSolution {
    std::vector<RopePlan> ropes;
    int frames = 0;
    bool breather = false;
    bool ordered = false;
};

/// Longest stored solution accepted: ten minutes of game time. A larger count
/// is a typo, and would make every check of the level crawl.
constexpr int kMaxSolutionFrames = 60000;
/// Most ropes a stored solution may hang; each is a dragged rope, so a
/// runaway list would keep a check busy for ever.
constexpr int kMaxSolutionRopes = 100;

/// Reads a solution text. Returns false and says why in `error` when the
/// rope plan is malformed or longer than kMaxSolutionRopes, or the frame count is missing, not a number, or
/// outside 1..kMaxSolutionFrames; `solution` is then unspecified.
bool parseLevelSolution(std::string_view text, LevelSolution& solution, std::string& error);

/// The solution file of level `levelName` in folder `solutionsDir`.
std::string levelSolutionPath(const std::string& solutionsDir, const std::string& levelName);

enum class SolutionRead { kOk, kMissing, kMalformed };

/// Reads and parses the solution file at `path`; on kMalformed, `error` says why.
SolutionRead readLevelSolution(const std::string& path, LevelSolution& solution, std::string& error);
