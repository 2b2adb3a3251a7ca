#include "game/level_arguments.h"

#include "game/shell.h"
#include "level/level_file_check.h"

LevelArguments parseLevelArguments(const std::vector<std::string>& words)
{
    LevelArguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!arguments.file.empty()) {
            arguments.error = "only one level file can be opened";
        } else if (word == "--edit") {
            if (i + 1 == words.size()) {
                arguments.error = "--edit needs a level file";
                break;
            }
            arguments.open = LevelArguments::Open::Edit;
            arguments.file = words[++i];
        } else if (word.rfind("-", 0) == 0 && word.size() > 1) {
            arguments.error = "unknown option " + word;
        } else {
            arguments.open = LevelArguments::Open::Play;
            arguments.file = word;
        }
        if (!arguments.error.empty()) break;
    }
    if (!arguments.error.empty()) arguments.open = LevelArguments::Open::None;
    return arguments;
}

std::string levelArgumentsProblem(const LevelArguments& arguments)
{
    if (!arguments.error.empty()) return "tangloop: " + arguments.error;
    if (arguments.open == LevelArguments::Open::None) return {};
    const std::string problem = levelFileProblem(arguments.file);
    if (problem.empty()) return {};
    return "tangloop: cannot open the level file " + arguments.file + ": " + problem;
}

void applyLevelArguments(const LevelArguments& arguments, Shell& shell)
{
    if (arguments.open == LevelArguments::Open::None) return;
    shell.startFile = arguments.file;
    shell.startInEditor = arguments.open == LevelArguments::Open::Edit;
}
