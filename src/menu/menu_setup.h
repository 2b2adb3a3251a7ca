#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "menu/menu.h"

/// Reads a background level file into a Level; returns whether the file could
/// be opened. The game passes Level::load; tests and the fuzzer pass their own.
using MenuLevelLoader = std::function<bool(Level& level, const std::string& fileName)>;

/// Limits on what a description can make, so that a huge or negative index in
/// a damaged file can never exhaust memory. Values beyond them are dropped.
constexpr int kMaxMenuScreens = 256;
constexpr int kMaxScreenWidgets = 1024;  ///< buttons, and texts, per screen

/// Builds screens from the text of a menu description: every value grows
/// screens up to its index, whatever its section; sections 0, 1, 4, 5 and 6
/// are stored, anything else is ignored. A stored background level file name
/// is loaded at once with loadLevel and built with noBackdrop set (its theme
/// is not applied: the screen's own picture textures it). Finally the credits
/// are set up. Pure apart from loadLevel; never fails.
void parseMenuSetup(std::string_view text, std::vector<Menu>& screens,
                    const MenuLevelLoader& loadLevel);

/// Reads the file into `screens` (a missing file gives no screens).
/// Background levels are read with Level::load from the data folder
/// (findGameFile), like the pictures the screens name. Called once at start-up,
/// before any screen is opened.
void readMenuSetup(std::vector<Menu>& screens, const std::string& fileName = "menusetup.txt");

/// Loads every screen's picture as its texture (0 when it cannot be loaded).
/// Needs a current GL context: at start-up and again for every new window.
void loadMenuPictures(std::vector<Menu>& screens);
