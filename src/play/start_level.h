#pragma once

#include <string>

#include "play/play_menu.h"

/// Where the camera looks when a level has no ball.
inline const Vector2D kNoBallCamera{10.0f, 0.0f};

/// Starts level `name` (read from "levels/<name>.txt") in `menu`, which
/// remembers `index`, the level's row in the list, for the progress rule.
/// Empties the five element lists first (description, size, exit and theme
/// stay as the last level left them when the file does not set them). A file
/// that cannot be read leaves the level empty. Moves the camera to the first
/// ball and lays out the title and description. The caller then sets
/// `menu.active` and leaves the main menu.
void startLevel(PlayMenu& menu, const std::string& name, int index);

/// The same on the global play-mode controller.
void startLevel(const std::string& name, int index);

/// startLevel with the level file named directly and the title given apart;
/// returns whether the file could be read. For tools and tests.
bool startLevelFile(PlayMenu& menu, const std::string& fileName, const std::string& title, int index);

/// Fills `texts` with the title "<name>:" and the description cut into lines
/// of at most 27 characters, each typing itself in a little after the last.
void layoutLevelTexts(std::vector<BText>& texts, const std::string& name, const std::string& description);
