#pragma once

#include "app/window_proc.h"

/// What the main loop needs from the window system. The entry point fills it
/// with the platform layer's functions; tests fill it with their own.
struct ShellServices {
    bool (*createWindow)(const char* title, int width, int height, int bits, bool fullscreenWanted) = nullptr;
    void (*destroyWindow)() = nullptr;
    bool (*peekMessage)(WindowMessage& out) = nullptr;
    void (*swapBuffers)() = nullptr;
};

/// Milliseconds slept per loop pass while the window is minimised.
constexpr unsigned kInactiveSleepMs = 100;

/// The whole life of the game: creates the window (800 x 600, 32 bits,
/// windowed), runs gameInit, then loops until `quitRequested`, taking one
/// message per pass and, when none is waiting and the window is active, one
/// frame. F1 re-creates the window in the other mode. On the way out the
/// progress is saved and the window destroyed. Returns the quit message's
/// exit code, or 0 when a window creation fails.
int runGame(const ShellServices& shell);

/// One-time game set-up; called once, after the first window exists.
void gameInit();

/// Advances the game by dt frame units (0.0 or 1.0). Reads `keys` and
/// `mouse`; makes no GL call.
void updateFrame(float dt);

/// Draws the current game state into the back buffer. Needs a current GL
/// context. Always returns true.
bool drawFrame();

/// Arrow keys move the camera by 0.1 world units per frame, not scaled by the
/// frame time; opposite keys cancel. Part of updateFrame outside the menu.
void moveCameraByKeys();
