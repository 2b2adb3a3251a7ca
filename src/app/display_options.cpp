#include "app/display_options.h"

#include "app/globals.h"
#include "app/window_placement.h"

bool parseDisplayOption(std::string_view argument, DisplayOptions& options)
{
    if (argument == "--fullscreen") {
        options.fullscreen = true;
        return true;
    }
    if (argument == "--window") {
        options.fullscreen = false;
        return true;
    }
    return false;
}

void applyDisplaySettings(const Settings& stored, const DisplayOptions& options)
{
    windowPlacement.width = stored.windowWidth;
    windowPlacement.height = stored.windowHeight;
    windowPlacement.maximized = stored.maximized;
    fullscreen = options.fullscreen.value_or(stored.fullscreen);
}

Settings displaySettingsToKeep(const Settings& stored, bool fullscreenAtStart)
{
    Settings kept = stored;
    kept.windowWidth = windowPlacement.width;
    kept.windowHeight = windowPlacement.height;
    kept.maximized = windowPlacement.maximized;
    if (fullscreen != fullscreenAtStart) kept.fullscreen = fullscreen;
    return kept;
}
