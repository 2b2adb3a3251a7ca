#pragma once

#include "app/window_proc.h"

class Shell;

/// What the main loop needs from the window system. The entry point fills it
/// with the platform layer's functions; tests and benches fill it with their own.
struct WindowServices {
    bool (*createWindow)(const char* title, int width, int height, int bits, bool fullscreenWanted) = nullptr;
    void (*destroyWindow)() = nullptr;
    bool (*peekMessage)(WindowMessage& out) = nullptr;
    void (*swapBuffers)() = nullptr;
    /// True once after a creation that went windowed because full screen
    /// was refused; may be left empty (never refused).
    bool (*fullscreenRefused)() = nullptr;
};

/// Milliseconds slept per loop pass while the window is minimised.
constexpr unsigned kInactiveSleepMs = 100;
/// Colour depth asked of the first window.
constexpr int kColorBits = 32;
inline constexpr const char* kWindowTitle = "Tangloop";

/// The whole life of the game on `shell`: creates the window (800 x 600, 32
/// bits, windowed), loads the shell's textures, starts the shell, then loops
/// until a quit, taking one message per pass and, when none is waiting and
/// the window is active, one frame. F1 re-creates the window in the other
/// mode; when that fails the game ends at once, `fullscreen` back at the mode
/// that worked, and a refused full screen asks the player whether to go on
/// windowed (No ends the game). On the way out the progress is saved and the
/// window destroyed. Returns the quit message's exit code, or 0 when a window
/// creation fails.
int runGame(Shell& shell, const WindowServices& window);

/// The same with a shell of its own, made for the run.
int runGame(const WindowServices& window);
