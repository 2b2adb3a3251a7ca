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
/// negative values give 0. A missing file leaves the count unchanged. A file
/// that is there but cannot be read (permissions, not a file, far too large)
/// freezes progress for the run: it is never written over, and the player is
/// told once (a line on stderr and one in game.notices).
/// Called once at start-up, after the level list has been scanned.
void readProgress(Game& game);

/// The file text that stores `completedLevels`.
std::string formatProgress(int completedLevels);

/// Saves progress, which only ever grows: the file is read again first and
/// the larger of its count and `game.completedLevels` is kept (in both), so
/// a second copy of the game on the same folder never takes back what the
/// first one saved. Replaces the file atomically. Returns false when nothing
/// was written: no progress file this run (silent: the player was told at
/// start), a frozen or now unreadable file, or a failed write (a line on
/// stderr; the first failure of each cause is added to game.notices).
bool writeProgress(Game& game);

/// Writes `game.completedLevels` as it is, also when the file holds more:
/// only for the player's own explicit "Reset progress". Fails, like
/// writeProgress, on a frozen file or a failed write.
bool writeProgressExactly(Game& game);

/// The rule applied when the player leaves a finished level: when it was the
/// next one to complete (its row equals `completedLevels`), the count grows
/// by one and is saved at once, so a crash later cannot lose it. Returns
/// whether the count grew.
bool recordCompletion(Game& game, int levelIndex);

/// The player's "Reset progress": every level but the first locked again,
/// the count 0 written at once. The one write that lowers the count.
/// Returns whether the file was written (see writeProgress).
bool resetProgress(Game& game);
