#include "app/game_paths.h"

namespace {
GamePaths currentPaths;
}

const GamePaths& gamePaths() { return currentPaths; }

void setGamePaths(const GamePaths& paths) { currentPaths = paths; }

std::string joinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty() || dir == ".") return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}
