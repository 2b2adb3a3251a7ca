#pragma once

#include "app/window_proc.h"

// The window and its GL context, provided by the platform layer
// (app/platform_window.cpp). Only the entry point, the benches and the GL tests
// call these.

/// Creates the game window with a current GL context, sets the projection
/// for width x height pixels and runs initGraphics; the caller loads its
/// textures afterwards. Full screen switches the
/// display to width x height at `bits` per pixel; when the display refuses,
/// the player is asked whether to go on windowed. Every failure is reported
/// in a message box and returns false. Sets `fullscreen`.
bool createGameWindow(const char* title, int width, int height, int bits, bool fullscreenWanted);

/// Releases whatever exists of the window and its context, restoring the
/// desktop's display mode after full screen. Safe on a partly created window
/// and when called twice.
void destroyGameWindow();

/// Presents the back buffer.
void swapGameBuffers();

/// Takes one pending window event, translated into a game message, without
/// waiting. Returns false when there is none.
bool peekWindowMessage(WindowMessage& out);

/// The current drawable size of the window in pixels (0 x 0 with no window).
void gameWindowSize(int& width, int& height);
