// The entry point: the command line, the platform's services and folders,
// then the game's whole life.
#include <iostream>

#include "app/command_line.h"
#include "app/game_paths.h"
#include "platform/window.h"
#include "app/globals.h"
#include "platform/events.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "platform/audio_device.h"
#include "audio/sound_control.h"
#include "game/level_arguments.h"
#include "game/main_loop.h"
#include "game/shell.h"
#include "level/settings.h"

#include <cstdlib>
#include <memory>

namespace {

bool displayNamed()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // The command line is answered before anything else, and a bad one
    // before any window opens.
    const CommandLine line = parseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    switch (line.action) {
    case CommandLine::Action::Help: std::cout << usageText(); return 0;
    case CommandLine::Action::Version: std::cout << versionText(); return 0;
    case CommandLine::Action::Error:
        std::cerr << "tangloop: " << line.error << "\n" << usageText();
        return 2;
    case CommandLine::Action::Run: break;
    }
    const LevelArguments level = levelArguments(line);
    if (!level.error.empty()) {
        std::cerr << "tangloop: " << level.error << "\n" << usageText();
        return 2;
    }
    // A level file named on the command line is checked before any window.
    if (const std::string problem = levelArgumentsProblem(level); !problem.empty()) {
        std::cerr << problem << "\n";
        return 1;
    }

    installPlatformServices();
    nameApplication();
    if (!startUpPaths(line.dataDir, line.userDir)) {
        shutdownPlatform();
        return 1;
    }
    // With no display at all SDL would fall back to drivers that show
    // nothing; the game says so and stops before it opens a window or a
    // sound device (a wrong data folder has been named already).
    if (!displayNamed()) {
        std::cerr << "tangloop: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); start the game in a desktop session\n";
        shutdownPlatform();
        return 1;
    }

    // The window as the player left it, unless the command line says otherwise.
    const std::string settingsPath = joinPath(gamePaths().configDir, kSettingsFileName);
    const Settings stored = loadSettings(settingsPath);
    applyDisplaySettings(stored, line.display);
    const bool fullscreenAtStart = fullscreen;
    // The player's volume and mute, unless --mute silences this run; no
    // sound device means a silent game, never a stop.
    initSound(stored, line.mute);
    openAudioOutput();

    WindowServices window;
    window.createWindow = createGameWindow;
    window.destroyWindow = destroyGameWindow;
    window.peekMessage = peekWindowMessage;
    window.swapBuffers = swapGameBuffers;
    window.fullscreenRefused = takeFullscreenRefusal;
    window.refreshRate = gameDisplayRefreshRate;
    // The shell holds whole worlds and widget lists; keep it off the stack.
    auto shell = std::make_unique<Shell>();
    applyLevelArguments(level, *shell);
    // What start-up has to tell the player comes up over the first screen.
    shell->game.notices.push_back(takeStartUpNotice());
    if (settingsFileUnreadable(settingsPath)) {
        std::cerr << "tangloop: cannot read " << settingsPath << "; it is left as it is, and settings are not kept\n";
        shell->game.notices.push_back("Settings cannot be kept this run: settings.txt cannot be read");
    }
    const int exitCode = runGame(*shell, window);

    // Written only when something changed, so a player who never resizes
    // gets no new file.
    Settings kept = displaySettingsToKeep(stored, fullscreenAtStart);
    keepSoundChoice(kept);
    if (formatSettings(kept) != formatSettings(stored)) saveSettings(settingsPath, kept);

    closeAudioOutput();
    shutdownPlatform();
    return exitCode;
}
