// The entry point: the platform's services, then the game's whole life.
#include <cstdio>

#include "app/display_options.h"
#include "app/game_paths.h"
#include "app/game_window.h"
#include "app/globals.h"
#include "app/platform.h"
#include "game/main_loop.h"

int main(int argc, char** argv)
{
    installPlatformServices();

    DisplayOptions display;
    for (int i = 1; i < argc; ++i) {
        if (!parseDisplayOption(argv[i], display)) std::fprintf(stderr, "tangloop: ignoring unknown option %s\n", argv[i]);
    }

    // The window as the player left it, unless the command line says otherwise.
    const std::string settingsPath = joinPath(gamePaths().configDir, kSettingsFileName);
    const Settings stored = loadSettings(settingsPath);
    applyDisplaySettings(stored, display);
    const bool fullscreenAtStart = fullscreen;

    WindowServices window;
    window.createWindow = createGameWindow;
    window.destroyWindow = destroyGameWindow;
    window.peekMessage = peekWindowMessage;
    window.swapBuffers = swapGameBuffers;
    const int exitCode = runGame(window);

    // Written only when something changed, so a player who never resizes
    // gets no new file.
    const Settings kept = displaySettingsToKeep(stored, fullscreenAtStart);
    if (formatSettings(kept) != formatSettings(stored)) saveSettings(settingsPath, kept);

    shutdownPlatform();
    return exitCode;
}
