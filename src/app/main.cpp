// The entry point: the platform's services, then the game's whole life.
#include "app/game_window.h"
#include "app/main_loop.h"
#include "app/platform.h"

int main()
{
    installPlatformServices();

    ShellServices shell;
    shell.createWindow = createGameWindow;
    shell.destroyWindow = destroyGameWindow;
    shell.peekMessage = peekWindowMessage;
    shell.swapBuffers = swapGameBuffers;
    const int exitCode = runGame(shell);

    shutdownPlatform();
    return exitCode;
}
