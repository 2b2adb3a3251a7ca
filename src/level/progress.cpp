#include "level/progress.h"

#include <iostream>

#include "level/atomic_file.h"
#include "level/number_reader.h"
#include "level/text_file.h"

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
    if (!readWholeFile(game.configFile, text)) return;
    game.completedLevels = parseProgress(text);
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

bool writeProgress(const Game& game)
{
    // No progress file: the player was told once at start that progress
    // cannot be kept, so each save is not reported again.
    if (game.configFile.empty()) return false;
    if (writeFileAtomically(game.configFile, formatProgress(game.completedLevels))) return true;
    std::cerr << "Could not save progress to " << game.configFile << "\n";
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
    game.completedLevels = 0;
    return writeProgress(game);
}
