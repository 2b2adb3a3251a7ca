#pragma once

#include <functional>
#include <string>

#include "app/game_paths.h"

/// Everything the choice of folders depends on, gathered by the platform at
/// start-up. Kept free of the real file system so the rules can be tested.
struct PathInputs {
    std::string dataDirOption;  ///< --data-dir, empty when not given
    std::string userDirOption;  ///< --user-dir, empty when not given
    /// The environment: returns the variable's value, or nullptr when unset.
    std::function<const char*(const char* name)> environment;
    std::string homeDir;     ///< the account's home when HOME is unset or relative; may be empty
    std::string executableDir;  ///< absolute folder of the running binary; empty if unknown
    std::string workingDir;     ///< absolute working folder
    /// Whether a folder holds the game's own data (its menu description).
    std::function<bool(const std::string& dir)> holdsGameData;
    /// Whether a folder exists.
    std::function<bool(const std::string& dir)> isFolder;
};

/// What start-up does with the inputs.
struct PathChoice {
    GamePaths paths;
    /// A game folder holding its data: everything beside it, as always.
    bool portable = true;
    /// The folder to make the working folder (a portable game started from
    /// elsewhere); empty to stay where the game was started.
    std::string changeToDir;
};

/// The installed data beside a binary in <prefix>/bin.
inline constexpr const char* kInstalledDataDir = "../share/tangloop";
/// The file whose presence marks a folder as holding the game's data.
inline constexpr const char* kDataMarker = "menusetup.txt";
/// The folder name under each per-user XDG base folder.
inline constexpr const char* kUserFolderName = "tangloop";

/// Decides the folders of this run:
/// 1. --data-dir, else TANGLOOP_DATA_DIR: that data, installed mode;
/// 2. a working folder holding the data: portable, nothing changes;
/// 3. the binary's folder holding the data: portable, run in that folder;
/// 4. <binary folder>/../share/tangloop existing: installed mode;
/// 5. otherwise portable in the working folder (the game says what is missing).
/// In installed mode the player's files go to $XDG_DATA_HOME/tangloop, logs to
/// $XDG_STATE_HOME/tangloop and settings to $XDG_CONFIG_HOME/tangloop (empty
/// or relative variables are ignored; the defaults are under the home folder).
/// --user-dir, else TANGLOOP_USER_DIR, puts all three in one folder, in either
/// mode. Relative options are taken from the working folder. A folder left
/// empty means there is nowhere to keep the player's files.
PathChoice choosePaths(const PathInputs& inputs);

/// Why the data folder of an installed-mode run cannot be played from, as a
/// line for the player; empty when it can. (A portable folder is played as it
/// is, however much of it is missing.)
std::string dataFolderProblem(const PathInputs& inputs, const std::string& dataDir);
