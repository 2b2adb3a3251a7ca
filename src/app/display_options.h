#pragma once

#include <optional>
#include <string_view>

#include "level/settings.h"

/// The window mode asked for on the command line: --fullscreen or --window,
/// for this run only. The last one given wins.
struct DisplayOptions {
    std::optional<bool> fullscreen;
};

/// Takes one command-line argument if it is a display option. Returns false
/// for any other argument, which is left to the caller.
bool parseDisplayOption(std::string_view argument, DisplayOptions& options);

/// Start of a run: the window placement and `fullscreen` from the stored
/// settings, the command line's mode taking precedence.
void applyDisplaySettings(const Settings& stored, const DisplayOptions& options);

/// End of a run: the stored settings with the window placement of now. The
/// stored full-screen choice changes only when the player switched mode
/// during the run (a --fullscreen or --window run keeps the stored one).
Settings displaySettingsToKeep(const Settings& stored, bool fullscreenAtStart);
