#pragma once

#include <string>

struct Game;

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

/// A file of the game's data, by its name in the data folder ("levels.txt",
/// "Themes/Sky.bmp"): the player's own copy in userDir when one exists there
/// (the letter case of the file name may differ), else the one in dataDir.
/// Absolute names are used as they are. In a portable game folder this is the
/// name itself.
std::string findGameFile(const std::string& name);

/// Where the game writes a file of the player's (progress, a saved level):
/// in userDir. Empty when there is no per-user folder to write to.
std::string userFilePath(const std::string& name);

/// Where the game writes a log: in stateDir; empty when there is none.
std::string stateFilePath(const std::string& name);

/// Points the game's list and progress files at the folders of this run:
/// the lists found by findGameFile, config.txt in userDir (none when there
/// is no userDir), and the lists read as read-only data when they are not
/// in a game folder of their own.
void placeGameFiles(Game& game);
