#pragma once

#include <cstdint>

#include "physics/vector2d.h"

/// Process-wide view and state. Every global object of the game is defined in
/// app/globals.cpp, in the construction order the game relies on.

extern Vector2D cameraOffset;   ///< world point subtracted from every drawn position; starts (-1.3, 0)
extern float cameraDepth;       ///< z translation of the world view; always -10
extern bool inMainMenu;         ///< the main menu is shown; play and editor sleep
extern bool quitRequested;      ///< leave the main loop at its next check
extern bool windowActive;       ///< frames run only while set
extern bool fullscreen;         ///< current window mode
extern int windowWidth;         ///< client size in pixels, rewritten by every resize
extern int windowHeight;
extern int colorBits;           ///< colour depth asked of the first window
extern const char* const kWindowTitle;
extern std::uint32_t lastTick;  ///< tick count at the previous frame
