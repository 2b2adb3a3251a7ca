#pragma once

#include <string>

/// Where the game reads its data and writes the player's files. Decided once
/// at start-up, before anything is read, and not changed afterwards. The
/// defaults are the portable game folder: everything in the working folder.
struct GamePaths {
    std::string dataDir = ".";    ///< the shipped data (menus, lists, levels, pictures); read only
    std::string userDir = ".";    ///< progress and levels saved by the editor
    std::string configDir = ".";  ///< settings.txt
    std::string stateDir = ".";   ///< logs
};

/// The paths of this run.
const GamePaths& gamePaths();

/// Sets the paths of this run; called once by start-up (and by tests).
void setGamePaths(const GamePaths& paths);

/// dir joined with name by one '/', or name alone when dir is "." or empty.
std::string joinPath(const std::string& dir, const std::string& name);
