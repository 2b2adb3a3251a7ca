#pragma once

#include <string>
#include <vector>

/// A level file named on the command line: `tangloop FILE` plays it,
/// `tangloop --edit FILE` opens it in the editor.
struct LevelArguments {
    enum class Open { None, Play, Edit };
    Open open = Open::None;
    std::string file;
    std::string error;  ///< why the words cannot be used; empty when they can
};

/// Reads the level words of a command line (without the program name):
/// nothing, one FILE, or --edit FILE. Other options are not this function's
/// business; pass only the words they left.
LevelArguments parseLevelArguments(const std::vector<std::string>& words);

class Shell;

/// Has the shell open the named level once it has started.
void applyLevelArguments(const LevelArguments& arguments, Shell& shell);

/// Checks the file of parsed arguments before any window opens. Returns the
/// line to print to stderr when it cannot be opened (the game then exits 1),
/// empty when it can or when no file was named.
std::string levelArgumentsProblem(const LevelArguments& arguments);
