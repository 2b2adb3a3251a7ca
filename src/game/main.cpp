// The entry point: the platform's services, then the game's whole life.
#include "app/game_window.h"
#include "app/platform.h"
#include "game/main_loop.h"

int main()
{
    installPlatformServices();

    WindowServices window;
    window.createWindow = createGameWindow;
    window.destroyWindow = destroyGameWindow;
    window.peekMessage = peekWindowMessage;
    window.swapBuffers = swapGameBuffers;
    const int exitCode = runGame(window);

    shutdownPlatform();
    return exitCode;
}
