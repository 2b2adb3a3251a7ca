#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

/// What the player did in each level they finished, kept in results.txt in
/// the folder of the progress file. One entry a line, in the list grammar:
///
///   <Bridge 1>       finished with one rope at best, never with a hint
///   <Relay 3 hint>   three ropes at best without a hint, and once with one
///   <Well - hint>    finished only with a hint
///
/// Levels finished before the file existed have no entry, and the progress
/// file is never touched: what opens which level stays its business.
inline constexpr const char* kResultsFileName = "results.txt";

/// The best of one level's finishes.
struct LevelResult {
    static constexpr int kNone = -1;
    int bestRopes = kNone;  ///< fewest of the player's ropes in a finish without a hint; kNone for none
    bool usedHint = false;  ///< it was finished at least once with a hint shown

    bool finishedWithoutHint() const { return bestRopes != kNone; }
    bool operator==(const LevelResult&) const = default;
};

/// Results by level name.
using LevelResults = std::map<std::string, LevelResult, std::less<>>;

/// More ropes than any player hangs; a larger count is stored as this.
constexpr int kMaxResultRopes = 99999;
/// Entries read from one file; a file grown beyond them is not the game's.
constexpr std::size_t kMaxResults = 10000;

/// Whether the result earns the level's star: finished without a hint with at
/// most `par` ropes. No par (an author's level), no star.
bool starEarned(const LevelResult& result, std::optional<int> par);

/// Folds `other` into `into`: the fewer ropes kept, the hint flags joined.
void mergeResult(LevelResult& into, const LevelResult& other);

/// The results a file's text gives. Entries that do not read as above are
/// skipped, a name given twice keeps the best of both, and entries beyond
/// kMaxResults are ignored. Pure; never fails.
LevelResults parseResults(std::string_view text);

/// The file text of `results`, which parseResults reads back as the same.
std::string formatResults(const LevelResults& results);

/// The player's results and the file they are kept in.
struct ResultsFile {
    std::string path;      ///< empty: results are not kept this run
    LevelResults results;  ///< as loaded, with this run's finishes
    /// The file is there but cannot be read: it is never written over this
    /// run, so whatever it holds stays for the player to mend.
    bool frozen = false;
};

/// Reads `file.results` from `file.path`. A missing or broken file gives no
/// results; one that cannot be read freezes the file (one line on stderr).
/// Call once at start-up.
void loadResults(ResultsFile& file);

/// Saves the results: the file is read again first and its results merged
/// into `file.results`, so two copies of the game never take back each
/// other's bests. Replaces the file atomically. Returns false, leaving the
/// file as it was, when there is no path, the file is frozen or has become
/// unreadable, or the write fails (a line on stderr).
bool saveResults(ResultsFile& file);

/// What recording one finish did.
struct FinishRecord {
    bool newBest = false;  ///< no hint, and fewer ropes than every earlier finish without one
    bool saved = false;    ///< the file holds it now
};

/// A finish of level `name` with `ropes` of the player's ropes hanging, with
/// or without a hint: merged with the file's results and saved at once, so
/// a crash later cannot lose it.
FinishRecord recordResult(ResultsFile& file, const std::string& name, int ropes, bool usedHint);

/// The player's reset: every result forgotten and the emptied file written
/// at once. Returns whether it was written (a frozen file is left alone).
bool clearResults(ResultsFile& file);
