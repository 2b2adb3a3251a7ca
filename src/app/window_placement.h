#pragma once

#include "app/picture_fit.h"

/// Where the windowed game window goes: its size in screen points when not
/// maximised, and whether it is maximised. Start-up fills it from the
/// settings; the platform layer keeps it up to date while the window is
/// windowed, so that leaving full screen gives the window back as it was and
/// the next run starts with it.
struct WindowPlacement {
    int width = kLogicalWidth;
    int height = kLogicalHeight;
    bool maximized = false;
};

extern WindowPlacement windowPlacement;
