#pragma once

#include <cstdint>

#include "input/window_proc.h"

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
    /// The refresh rate of the window's display in Hz, 0 when unknown; may
    /// be left null (unknown).
    int (*refreshRate)() = nullptr;
};

/// What the loop has done so far in this process: the updates it ran, the
/// frames it drew, and the milliseconds of tick count its game clock counted
/// (time away while minimised or making a window is not counted) and, of
/// those, dropped as more than a frame's catch-up.
struct LoopCounts {
    std::uint64_t updates = 0;
    std::uint64_t frames = 0;
    std::uint64_t countedMs = 0;
    std::uint64_t droppedMs = 0;
    bool pacing = false;  ///< frames are paced by sleeping (the swap did not wait)
};
const LoopCounts& loopCounts();

/// Milliseconds slept per loop pass while the window is minimised.
constexpr unsigned kInactiveSleepMs = 100;
/// Colour depth asked of the first window.
constexpr int kColorBits = 32;
inline constexpr const char* kWindowTitle = "Tangloop";

/// The whole life of the game on `shell`: creates the window (800 x 600, 32
/// bits, windowed), loads the shell's textures, starts the shell, then loops
/// until a quit, taking one message per pass and, when none is waiting and
/// the window is active, one frame: as many updates (dt 1) as 10 ms steps of
/// wall time have passed, then one drawing between the last two, then the
/// swap. F1 re-creates the window in the other
/// mode; when that fails the game ends at once, `fullscreen` back at the mode
/// that worked, and a refused full screen asks the player whether to go on
/// windowed (No ends the game). On the way out the
/// progress is saved and the window destroyed; with TANGLOOP_LOG_TIMING set
/// the loop's counts go to stderr in one line. Returns the quit message's
/// exit code, or 0 when a window creation fails.
int runGame(Shell& shell, const WindowServices& window);

/// The same with a shell of its own, made for the run.
int runGame(const WindowServices& window);
