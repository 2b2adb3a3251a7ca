#include "level/level_results.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "level/atomic_file.h"
#include "level/list_file.h"
#include "level/number_reader.h"
#include "level/text_file.h"

namespace {

constexpr std::string_view kHintWord = "hint";
constexpr std::string_view kNoRopesWord = "-";

/// One entry, "NAME ROPES" or "NAME ROPES hint"; nothing when it reads as neither.
std::optional<std::pair<std::string_view, LevelResult>> parseEntry(std::string_view entry)
{
    LevelResult result;
    EntryWord split = splitLastWord(entry);
    if (split.word == kHintWord) {
        result.usedHint = true;
        split = splitLastWord(split.name);
    }
    if (split.name.empty()) return std::nullopt;
    if (split.word != kNoRopesWord) {
        const std::optional<int> ropes = parseCount(split.word, kMaxResultRopes);
        if (!ropes) return std::nullopt;
        result.bestRopes = *ropes;
    }
    // An entry that records no finish at all is no result.
    if (!result.finishedWithoutHint() && !result.usedHint) return std::nullopt;
    return std::make_pair(split.name, result);
}

/// Something is at the path that cannot be read back: it is not the game's
/// to replace, now or later this run.
void freeze(ResultsFile& file)
{
    file.frozen = true;
    std::fprintf(stderr, "Cannot read the results file %s; it is left as it is, and results are not kept this run\n",
                 file.path.c_str());
}

/// Merges what the file holds now into file.results. False when the file may
/// not be written: no path, frozen, or unreadable now.
bool refresh(ResultsFile& file)
{
    if (file.path.empty() || file.frozen) return false;
    std::string text;
    switch (readDataFile(file.path, text)) {
    case FileState::kRead:
        for (const auto& [name, result] : parseResults(text)) mergeResult(file.results[name], result);
        return true;
    case FileState::kMissing: return true;
    case FileState::kUnreadable:
    case FileState::kTooLarge: break;
    }
    freeze(file);
    return false;
}

bool write(const ResultsFile& file)
{
    if (writeFileAtomically(file.path, formatResults(file.results))) return true;
    std::fprintf(stderr, "Could not save the results to %s\n", file.path.c_str());
    return false;
}

}  // namespace

bool starEarned(const LevelResult& result, std::optional<int> par)
{
    return par && result.finishedWithoutHint() && result.bestRopes <= *par;
}

void mergeResult(LevelResult& into, const LevelResult& other)
{
    if (other.finishedWithoutHint() && (!into.finishedWithoutHint() || other.bestRopes < into.bestRopes))
        into.bestRopes = other.bestRopes;
    into.usedHint = into.usedHint || other.usedHint;
}

LevelResults parseResults(std::string_view text)
{
    LevelResults results;
    std::vector<std::string> entries = parseListEntries(std::string(text));
    if (entries.size() > kMaxResults) entries.resize(kMaxResults);
    for (const std::string& entry : entries)
        if (const auto parsed = parseEntry(entry)) mergeResult(results[std::string(parsed->first)], parsed->second);
    return results;
}

std::string formatResults(const LevelResults& results)
{
    std::string text = "The levels finished, kept by the game: one a line in angle brackets, its\n"
                       "name, the fewest ropes it was finished with without a hint (- for none),\n"
                       "and the word hint when it was ever finished with one.\n\n";
    for (const auto& [name, result] : results) {
        text += '<';
        text += name;
        text += ' ';
        if (result.finishedWithoutHint()) text += std::to_string(result.bestRopes);
        else text += kNoRopesWord;
        if (result.usedHint) {
            text += ' ';
            text += kHintWord;
        }
        text += ">\n";
    }
    return text;
}

void loadResults(ResultsFile& file)
{
    file.results.clear();
    file.frozen = false;
    refresh(file);
}

bool saveResults(ResultsFile& file)
{
    return refresh(file) && write(file);
}

FinishRecord recordResult(ResultsFile& file, const std::string& name, int ropes, bool usedHint)
{
    // The file first: a best another copy of the game saved meanwhile counts.
    const bool writable = refresh(file);
    LevelResult& result = file.results[name];
    LevelResult finish;
    finish.usedHint = usedHint;
    if (!usedHint) finish.bestRopes = std::clamp(ropes, 0, kMaxResultRopes);

    FinishRecord record;
    record.newBest = !usedHint && (!result.finishedWithoutHint() || finish.bestRopes < result.bestRopes);
    mergeResult(result, finish);
    record.saved = writable && write(file);
    return record;
}

bool clearResults(ResultsFile& file)
{
    file.results.clear();
    // The one write that forgets results: the player asked for it. A file
    // that cannot be read is still not the game's to replace.
    std::string text;
    if (file.path.empty() || file.frozen) return false;
    const FileState state = readDataFile(file.path, text);
    if (state == FileState::kUnreadable || state == FileState::kTooLarge) {
        freeze(file);
        return false;
    }
    return write(file);
}
