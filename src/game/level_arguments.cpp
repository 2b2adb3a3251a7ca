#include "game/level_arguments.h"

#include <filesystem>
#include <system_error>

#include "app/command_line.h"
#include "game/shell.h"
#include "level/level_file_check.h"

namespace {

std::string absolutePath(const std::string& file)
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(file, error);
    return error ? file : path.string();
}

}  // namespace

LevelArguments levelArguments(const CommandLine& line)
{
    LevelArguments arguments;
    const std::size_t count = line.files.size() + (line.editFile.empty() ? 0 : 1);
    if (count > 1) {
        arguments.error = "only one level file can be opened";
    } else if (!line.editFile.empty()) {
        arguments.open = LevelArguments::Open::Edit;
        arguments.file = absolutePath(line.editFile);
    } else if (count == 1) {
        arguments.open = LevelArguments::Open::Play;
        arguments.file = absolutePath(line.files.front());
    }
    return arguments;
}

std::string levelArgumentsProblem(const LevelArguments& arguments)
{
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
