#pragma once

#include <string>

#include "level/game.h"

/// The progress file holds one pair, "completedlevels=<count>;\n".
inline const char* const kProgressKey = "completedlevels=";

/// The number after the first occurrence of `key` in `text`, read up to the
/// next line break or ';' with parseNumber. 0 when the key is absent.
float readKeyValue(const std::string& text, const std::string& key);

/// The completed-level count a progress text holds: the key's value
/// truncated toward zero (clamped to the int range), 0 when negative or absent.
int parseProgress(const std::string& text);

/// Reads `game.completedLevels` from `game.configFile`: truncated toward zero,
/// negative values give 0. A missing file leaves the count unchanged.
/// Called once at start-up, after the level list has been scanned.
void readProgress(Game& game);

/// The file text that stores `completedLevels`.
std::string formatProgress(int completedLevels);

/// Writes `game.completedLevels` to `game.configFile`, replacing the file
/// atomically so that an interrupted write never leaves a damaged file.
/// Returns false, after a line on stderr, when the file could not be written;
/// false and silent when there is no progress file (an empty configFile).
bool writeProgress(const Game& game);

/// The rule applied when the player leaves a finished level: when it was the
/// next one to complete (its row equals `completedLevels`), the count grows
/// by one and is saved at once, so a crash later cannot lose it. Returns
/// whether the count grew.
bool recordCompletion(Game& game, int levelIndex);

/// The player's "Reset progress": every level but the first locked again,
/// the count 0 written at once. The one write that lowers the count.
/// Returns whether the file was written (see writeProgress).
bool resetProgress(Game& game);
