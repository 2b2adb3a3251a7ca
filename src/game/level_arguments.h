#pragma once

#include <string>

struct CommandLine;

/// A level file named on the command line: `tangloop FILE` plays it,
/// `tangloop --edit FILE` opens it in the editor.
struct LevelArguments {
    enum class Open { None, Play, Edit };
    Open open = Open::None;
    std::string file;   ///< made absolute, as the game may change its folder at start
    std::string error;  ///< why the words cannot be used (a bad command line); empty when they can
};

/// The level file of a parsed command line: none, one FILE, or --edit FILE.
/// Two files, or a FILE beside --edit, is an error.
LevelArguments levelArguments(const CommandLine& line);

class Shell;

/// Has the shell open the named level once it has started.
void applyLevelArguments(const LevelArguments& arguments, Shell& shell);

/// Checks the file of the arguments before any window opens. Returns the
/// line to print to stderr when it cannot be opened (the game then exits 1),
/// empty when it can or when no file was named.
std::string levelArgumentsProblem(const LevelArguments& arguments);
