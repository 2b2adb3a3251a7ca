#pragma once

#include <string>
#include <vector>

#include "app/display_options.h"

/// What the command line asks of this run.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::string error;          ///< why the line was refused (Action::Error)
    std::string dataDir;        ///< --data-dir
    std::string userDir;        ///< --user-dir
    DisplayOptions display;     ///< --fullscreen or --window, for this run
    std::string editFile;       ///< --edit: a level file to open in the editor
    std::vector<std::string> files;  ///< words that are not options
};

/// One option the game understands. New options are one more row of the
/// table in command_line.cpp.
struct OptionSpec {
    const char* name;      ///< "--data-dir"
    const char* argument;  ///< the argument's name in the usage, nullptr for a flag
    const char* help;      ///< one line for the usage
    void (*apply)(CommandLine& line, const std::string& argument);
};

/// The options, in the order the usage lists them.
const std::vector<OptionSpec>& commandLineOptions();

/// Reads the arguments after the program name. "--name=value" and
/// "--name value" both give an option its argument; "--" ends the options.
/// An unknown option, a missing argument or an argument given to a flag
/// gives Action::Error with the reason. Later options win over earlier ones.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

/// The usage text, ending in a line break.
std::string usageText();

/// "tangloop <version>" and a line break.
std::string versionText();
