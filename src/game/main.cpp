// The entry point: the platform's services, then the game's whole life.
#include "app/game_window.h"
#include "app/platform.h"
#include "game/level_arguments.h"
#include "game/main_loop.h"
#include "game/shell.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // A level file named on the command line is checked before any window.
    const LevelArguments level = parseLevelArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (const std::string problem = levelArgumentsProblem(level); !problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }

    installPlatformServices();

    WindowServices window;
    window.createWindow = createGameWindow;
    window.destroyWindow = destroyGameWindow;
    window.peekMessage = peekWindowMessage;
    window.swapBuffers = swapGameBuffers;
    // The shell holds whole worlds and widget lists; keep it off the stack.
    auto shell = std::make_unique<Shell>();
    applyLevelArguments(level, *shell);
    const int exitCode = runGame(*shell, window);

    shutdownPlatform();
    return exitCode;
}
