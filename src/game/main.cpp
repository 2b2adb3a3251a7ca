// The entry point: the platform's services, then the game's whole life.
#include "app/game_window.h"
#include "app/platform.h"
#include "app/platform_audio.h"
#include "app/sound_control.h"
#include "game/main_loop.h"

#include <cstring>

namespace {

/// --mute: no sound for this run; the settings file keeps the player's choice.
bool muteRequested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--mute") == 0) return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    installPlatformServices();
    initSound(muteRequested(argc, argv));
    openAudioOutput();

    WindowServices window;
    window.createWindow = createGameWindow;
    window.destroyWindow = destroyGameWindow;
    window.peekMessage = peekWindowMessage;
    window.swapBuffers = swapGameBuffers;
    const int exitCode = runGame(window);

    closeAudioOutput();
    shutdownPlatform();
    return exitCode;
}
