#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// One rope of a stored answer: dragged from dock point `fromDock` to dock
/// point `toDock` (indices into the level's dock points), then, when
/// `sliderValue` is set, given the length the rope-length slider shows at
/// that value (0 to 100; rest length = value / 150).
struct RopePlan {
    int fromDock = 0;
    int toDock = 0;
    std::optional<float> sliderValue;
};

/// Reads a rope plan written as space-separated "from-to" or "from-to@value"
/// items, e.g. "0-2@40 1-3". Returns nothing when an item is malformed.
std::optional<std::vector<RopePlan>> parseRopePlan(const std::string& text);

/// The text parseRopePlan reads back as `ropes`.
std::string formatRopePlan(const std::vector<RopePlan>& ropes);

/// A stored answer to one level: the ropes to hang, in the order they are
/// hung, and how many frames after "Try it out" the level may take to
/// complete. The game ships one a level (for its hints), and the level
/// checker proves each. A small text file, one "key value" line each:
///
///   ropes 0-1 1-2@22
///   frames 700
///   breather
///   order
///   shortest 0-3 1-4
///
/// "ropes" is a rope plan as parseRopePlan reads it (a missing line means no
/// ropes); "frames" is required; "breather" marks a level of several ropes
/// that one rope may also finish, on purpose; "order" marks a level whose
/// ropes must go up in the order listed, because one of them sets another
/// ball moving that an earlier one has to meet; "shortest" is a plan of fewer
/// ropes that also finishes the level in its frames, where the search for
/// the fewest ropes found one the level was not built around. Blank lines,
/// lines starting with '#' and unknown keys are skipped; a repeated key keeps
/// its last value.
struct LevelSolution {
    std::vector<RopePlan> ropes;
    int frames = 0;
    bool breather = false;
    bool ordered = false;  ///< "order": the ropes go up in the order listed, a moment apart
    std::vector<RopePlan> shortest;  ///< empty when there is no "shortest" line

    /// The stored plan of the fewest ropes: `shortest` when there is one.
    const std::vector<RopePlan>& fewestRopes() const { return shortest.empty() ? ropes : shortest; }
};

/// Longest stored solution accepted: ten minutes of game time. A larger count
/// is a typo, and would make every check of the level crawl.
constexpr int kMaxSolutionFrames = 60000;
/// Most ropes a stored solution may hang; each is a dragged rope, so a
/// runaway list would keep a check busy for ever.
constexpr int kMaxSolutionRopes = 100;

/// Reads a solution text. Returns false and says why in `error` when a rope
/// plan is malformed or longer than kMaxSolutionRopes, a "shortest" line hangs
/// no rope, or the frame count is missing, not a number, or outside
/// 1..kMaxSolutionFrames; `solution` is then unspecified.
bool parseLevelSolution(std::string_view text, LevelSolution& solution, std::string& error);

/// The solution file of level `levelName` in folder `solutionsDir`.
std::string levelSolutionPath(const std::string& solutionsDir, const std::string& levelName);

/// The shipped solution of the listed level `name`, within the game's data
/// folder: "solutions/<name>.solution".
std::string solutionFilePath(const std::string& name);

enum class SolutionRead { kOk, kMissing, kMalformed };

/// Reads and parses the solution file at `path`; on kMalformed, `error` says why.
SolutionRead readLevelSolution(const std::string& path, LevelSolution& solution, std::string& error);
