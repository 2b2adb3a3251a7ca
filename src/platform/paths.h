#pragma once

#include <string>

// The folders of this run as the platform finds them: where the program and
// the player's home are, and which per-user folders can be made and written.

/// Names the program to the desktop (the window class is the desktop id).
/// Call before the first window is made.
void nameApplication();

/// What start-up could not do for the player (a per-user folder that cannot
/// be made or written), as one short line for the screen; empty when all
/// went well. The log has had the whole story already. Taken once.
std::string takeStartUpNotice();

/// Decides the folders of this run from the options (empty when not given),
/// the environment and what exists, enters a portable game folder started
/// from elsewhere, makes the per-user folders, and hands the result to
/// setGamePaths. A per-user folder that cannot be made is reported once and
/// the game runs without keeping progress; one that can be read but not
/// written is kept for reading (progress, saved levels), and only the writes
/// fail. Returns false, after a line on stderr, when the data folder asked
/// for does not exist.
bool startUpPaths(const std::string& dataDirOption, const std::string& userDirOption);
