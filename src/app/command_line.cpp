#include "app/command_line.h"

#ifndef TANGLOOP_VERSION
#define TANGLOOP_VERSION "0"
#endif

namespace {

const std::vector<OptionSpec> kOptions = {
    {"--data-dir", "DIR", "read the game's data from DIR (also TANGLOOP_DATA_DIR)",
     [](CommandLine& line, const std::string& dir) { line.dataDir = dir; }},
    {"--user-dir", "DIR", "keep progress, saved levels, logs and settings in DIR (also TANGLOOP_USER_DIR)",
     [](CommandLine& line, const std::string& dir) { line.userDir = dir; }},
    {"--edit", "FILE", "open the level FILE in the editor (a FILE alone is played)",
     [](CommandLine& line, const std::string& file) { line.editFile = file; }},
    {"--fullscreen", nullptr, "start in full screen, for this run only",
     [](CommandLine& line, const std::string&) { parseDisplayOption("--fullscreen", line.display); }},
    {"--window", nullptr, "start in a window, for this run only",
     [](CommandLine& line, const std::string&) { parseDisplayOption("--window", line.display); }},
    {"--help", nullptr, "print this help and exit",
     [](CommandLine& line, const std::string&) { line.action = CommandLine::Action::Help; }},
    {"--version", nullptr, "print the version and exit",
     [](CommandLine& line, const std::string&) { line.action = CommandLine::Action::Version; }},
};

const OptionSpec* findOption(const std::string& name)
{
    for (const OptionSpec& option : kOptions)
        if (name == option.name) return &option;
    return nullptr;
}

CommandLine refuse(const std::string& reason)
{
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = reason;
    return line;
}

} // namespace

const std::vector<OptionSpec>& commandLineOptions() { return kOptions; }

CommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            line.files.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const OptionSpec* option = findOption(name);
        if (!option) return refuse("unknown option " + name);

        std::string argument;
        if (option->argument == nullptr) {
            if (equals != std::string::npos) return refuse(name + " takes no argument");
        } else if (equals != std::string::npos) {
            argument = word.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            argument = arguments[++i];
        } else {
            return refuse(name + " needs " + option->argument);
        }
        if (option->argument != nullptr && argument.empty()) return refuse(name + " needs " + option->argument);
        option->apply(line, argument);
    }
    return line;
}

std::string usageText()
{
    std::string text = "Usage: tangloop [OPTION]... [FILE]\nA 2D physics puzzle game with a level editor.\n\n";
    for (const OptionSpec& option : kOptions) {
        std::string left = std::string("  ") + option.name;
        if (option.argument) left += std::string(" ") + option.argument;
        if (left.size() < 18) left.resize(18, ' ');
        else left += "  ";
        text += left + option.help + "\n";
    }
    text += "\nSee tangloop(6) for where the game keeps its files.\n";
    return text;
}

std::string versionText()
{
    return std::string("tangloop ") + TANGLOOP_VERSION + "\n";
}
