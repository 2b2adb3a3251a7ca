#include "app/game_paths.h"

#include "level/game.h"
#include "level/text_file.h"

namespace {
GamePaths currentPaths;

std::string pathIn(const std::string& dir, const std::string& name)
{
    // An empty folder is one that could not be had; "." is the working folder.
    if (dir.empty()) return {};
    return joinPath(dir, name);
}
}

const GamePaths& gamePaths() { return currentPaths; }

void setGamePaths(const GamePaths& paths) { currentPaths = paths; }

std::string joinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty() || dir == ".") return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

std::string findGameFile(const std::string& name)
{
    if (!name.empty() && name.front() == '/') return name;
    const std::string shipped = joinPath(currentPaths.dataDir, name);
    if (currentPaths.userDir.empty() || currentPaths.userDir == currentPaths.dataDir) return shipped;
    // The player's folder is taken as given; only the game's name inside
    // it may differ in letter case.
    return findFileIgnoringCase(currentPaths.userDir, name).value_or(shipped);
}

std::string userFilePath(const std::string& name) { return pathIn(currentPaths.userDir, name); }

std::string stateFilePath(const std::string& name) { return pathIn(currentPaths.stateDir, name); }

void placeGameFiles(Game& game)
{
    game.levelsFile = findGameFile("levels.txt");
    game.themesFile = findGameFile("themes.txt");
    game.configFile = userFilePath("config.txt");
    game.results.path = userFilePath(kResultsFileName);
    game.readOnlyData = currentPaths.dataDir != currentPaths.userDir;
}
