#include "level/progress.h"

#include <algorithm>
#include <cerrno>
#include <iostream>

#include "level/atomic_file.h"
#include "level/number_reader.h"
#include "level/text_file.h"

namespace {

/// Causes of progress not kept, each said to the player once a run.
enum ProgressProblem : unsigned {
    kCannotRead = 1u << 0,
    kDiskFull = 1u << 1,
    kReadOnly = 1u << 2,
    kCannotWrite = 1u << 3,
};

void tellOnce(Game& game, ProgressProblem cause, const std::string& line)
{
    if (game.progressProblemsTold & cause) return;
    game.progressProblemsTold |= cause;
    game.notices.push_back(line);
}

/// An existing file the game cannot read is not the game's to replace.
void freeze(Game& game)
{
    game.progressFrozen = true;
    std::cerr << "Cannot read the progress file " << game.configFile
              << "; it is left as it is, and progress is not kept this run\n";
    tellOnce(game, kCannotRead, "Progress cannot be kept this run: config.txt cannot be read");
}

void tellWriteFailure(Game& game, int reason)
{
    std::cerr << "Could not save progress to " << game.configFile << "\n";
    if (reason == ENOSPC || reason == EDQUOT || reason == EFBIG)
        tellOnce(game, kDiskFull, "Progress not saved: the disk is full");
    else if (reason == EACCES || reason == EPERM || reason == EROFS)
        tellOnce(game, kReadOnly, "Progress not saved: its folder is read-only");
    else
        tellOnce(game, kCannotWrite, "Progress not saved: config.txt cannot be written");
}

} // namespace

float readKeyValue(const std::string& text, const std::string& key)
{
    const std::size_t at = text.find(key);
    if (at == std::string::npos) return 0.0f;
    const std::size_t start = at + key.size();
    const std::size_t end = text.find_first_of("\n;", start);
    return parseNumber(std::string_view(text).substr(start, end == std::string::npos ? std::string::npos : end - start));
}

void readProgress(Game& game)
{
    std::string text;
    switch (readDataFile(game.configFile, text)) {
    case FileState::kRead: game.completedLevels = parseProgress(text); break;
    case FileState::kMissing: break;
    case FileState::kUnreadable:
    case FileState::kTooLarge: freeze(game); break;
    }
}

int parseProgress(const std::string& text)
{
    // A hand-edited huge count is clamped rather than overflowing the int.
    const int count = truncateToInt(readKeyValue(text, kProgressKey));
    return count < 0 ? 0 : count;
}

std::string formatProgress(int completedLevels)
{
    return std::string(kProgressKey) + std::to_string(completedLevels) + ";\n";
}

bool writeProgress(Game& game)
{
    // No progress file: the player was told once at start that progress
    // cannot be kept, so each save is not reported again.
    if (game.configFile.empty() || game.progressFrozen) return false;
    std::string text;
    switch (readDataFile(game.configFile, text)) {
    case FileState::kRead: game.completedLevels = std::max(game.completedLevels, parseProgress(text)); break;
    case FileState::kMissing: break;
    case FileState::kUnreadable:
    case FileState::kTooLarge: freeze(game); return false;
    }
    return writeProgressExactly(game);
}

bool writeProgressExactly(Game& game)
{
    if (game.configFile.empty() || game.progressFrozen) return false;
    if (writeFileAtomically(game.configFile, formatProgress(game.completedLevels))) return true;
    tellWriteFailure(game, errno);
    return false;
}

bool recordCompletion(Game& game, int levelIndex)
{
    if (levelIndex != game.completedLevels) return false;
    ++game.completedLevels;
    writeProgress(game);
    return true;
}

bool resetProgress(Game& game)
{
    // The one write that lowers the count: the player asked for it.
    game.completedLevels = 0;
    // The stars and best counts go with the progress they were earned in.
    clearResults(game.results);
    return writeProgressExactly(game);
}
