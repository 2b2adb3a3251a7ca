#pragma once

#include <string>
#include <vector>

struct Level;

/// One thing wrong with one level.
struct LevelFinding {
    std::string level;    ///< the level's name as levels.txt lists it; empty for the list itself
    std::string message;  ///< one line, no trailing full stop
};

struct LevelCheckReport {
    int levelsChecked = 0;
    std::vector<LevelFinding> findings;
};

/// Dock points closer than this cannot both be picked: the play mode takes
/// the first one within its pick radius, and a rope between them is too short.
constexpr float kMinDockSpacing = 0.1f;
/// Frames a level is left to run with no rope: a level that finishes within
/// them by itself teaches nothing (sixty seconds of game time).
constexpr int kIdleFrames = 6000;
/// Frames the solution's ropes hang before "Try it out" in its second run:
/// three seconds, long enough for a fresh rope to sag and stop swinging.
constexpr int kSettleFrames = 300;
/// Most contact tests per world step (balls times lines, rope points and
/// balls) a level may need before it is judged too big to play through here:
/// a shipped level needs some hundreds, and this many costs seconds a level.
constexpr long long kMaxPlayCost = 20000;
/// Most findings of one kind reported for one level; the rest are counted.
constexpr int kMaxFindingsPerKind = 5;

/// Checks the stored form of one level, with no play: the play area has a
/// size, every ball and the exit lie inside it, no two dock points are
/// closer than kMinDockSpacing, and lines do not wall the exit off. Appends
/// a finding per fault, named `name`. Returns whether playing it through
/// makes sense (the exit is not walled in and the level is not too big).
bool checkLevelLayout(const Level& level, const std::string& name, std::vector<LevelFinding>& findings);

/// Appends a finding, named `name`, for each place where the record text in
/// `file` holds a structure character the reader would take as structure
/// (a ';' in a task, a ':' in the notes between records). Silent when the
/// file cannot be read.
void checkRecordText(const std::string& file, const std::string& name, std::vector<LevelFinding>& findings);

/// Checks one listed level: reads "<dataDir>/levels/<name>.txt" and its
/// solution "<solutionsDir>/<name>.solution", checks the layout, then plays it
/// headlessly: with no rope for kIdleFrames (it must not complete), and
/// with the solution's ropes for its frames (it must complete, every rope
/// hung), at once and again after kSettleFrames; and, when the level names a theme, that `themes` lists it.
/// Appends one finding per fault. Plays with playHeadless, in a shell of
/// its own.
void checkListedLevel(const std::string& dataDir, const std::string& solutionsDir, const std::string& name,
                      std::vector<LevelFinding>& findings, const std::vector<std::string>& themes);

/// Checks every level that "<dataDir>/levels.txt" lists, in list order, and
/// the texts of "<dataDir>/menusetup.txt" and the levels in "<dataDir>/menu",
/// against the themes "<dataDir>/themes.txt" lists (none when it cannot be
/// read). A missing list, one naming no level, and a name listed twice are
/// findings of their own.
LevelCheckReport checkLevels(const std::string& dataDir, const std::string& solutionsDir);
