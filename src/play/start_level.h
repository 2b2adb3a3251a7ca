#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "play/play_mode.h"

/// Starts level `name` of the game's list (read from levelFilePath(name)) in
/// `menu`, which remembers `index`, the level's row in the list, for the
/// progress rule. See startLevelFile.
void startLevel(PlayMenu& menu, const std::string& name, int index);

/// Starts the level in file `fileName` (used as given) in `menu`, titled
/// `title`, as row `index`. Empties the five element lists and the
/// description first (size, exit and theme stay as the last level left them
/// when the file does not set them); a file that cannot be read leaves the level
/// empty. Builds the world, makes the level's theme current in the play
/// mode's game, and lays out the title and description. The camera is the
/// caller's. Returns whether the file could be read.
bool startLevelFile(PlayMenu& menu, const std::string& fileName, const std::string& title, int index);

/// Starts a level given as the text of a level file (as the editor writes
/// it) in `menu`, titled `title`, as row `index` (-1: outside the list, so
/// finishing it counts for nothing). The level is made afresh from the text
/// alone: nothing of the last level played stays.
void startLevelText(PlayMenu& menu, std::string_view text, const std::string& title, int index);

/// Fills `texts` with the title "<name>:" and the description cut into lines
/// of at most 27 characters, each typing itself in a little after the last.
void layoutLevelTexts(std::vector<BText>& texts, const std::string& name, const std::string& description);
