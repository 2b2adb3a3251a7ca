#include "game/main_loop.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/clock.h"
#include "app/frame_timing.h"
#include "app/fullscreen_keys.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/picture_fit.h"
#include "game/shell.h"

namespace {

LoopCounts gCounts;

/// The game's clock and the display's pace, for one run of the loop.
struct LoopTime {
    UpdateClock clock;
    FramePacer pacer;
};

/// One frame: every update now due, each taking the input it saw, then one
/// drawing between the last two updates, then the present.
void noteCounts(const LoopTime& time)
{
    gCounts.updates = time.clock.updates();
    gCounts.countedMs = time.clock.countedMs();
    gCounts.droppedMs = time.clock.droppedMs();
    gCounts.pacing = time.pacer.pacing();
}

void runFrame(Shell& shell, const WindowServices& window, LoopTime& time)
{
    const std::uint32_t now = tickCount();
    time.pacer.frameStarted(now);
    const int due = time.clock.advance(now);
    for (int i = 0; i < due; ++i) {
        shell.update(1.0f);
        inputSeenByUpdate();
    }
    shell.draw(time.clock.fraction());
    noteCounts(time);
    ++gCounts.frames;
    window.swapBuffers();
}

/// A new window and the shell's textures in it; its swap is judged anew.
bool openWindow(Shell& shell, const WindowServices& window, int width, int height, LoopTime& time)
{
    if (!window.createWindow(kWindowTitle, width, height, kColorBits, fullscreen)) return false;
    shell.loadTextures();
    time.pacer.restart(window.refreshRate ? window.refreshRate() : 0);
    return true;
}

/// F1 (or F11, Alt+Enter): the window is made anew in the other mode, the
/// same logical picture in it. Returns false when the new window cannot be
/// made; the game then ends at once.
bool toggleFullscreen(Shell& shell, const WindowServices& window, LoopTime& time)
{
    clearFullscreenRequest();
    window.destroyWindow();
    fullscreen = !fullscreen;
    if (!openWindow(shell, window, kLogicalWidth, kLogicalHeight, time)) return false;
    // Making the window is not game time.
    time.clock.restart(tickCount());
    return true;
}

void logCounts()
{
    const char* wanted = std::getenv("TANGLOOP_LOG_TIMING");
    if (wanted == nullptr || *wanted == '\0') return;
    std::fprintf(stderr,
                 "tangloop: timing: %" PRIu64 " updates, %" PRIu64 " frames, %" PRIu64 " ms counted, %" PRIu64
                 " ms dropped, %s\n",
                 gCounts.updates, gCounts.frames, gCounts.countedMs, gCounts.droppedMs,
                 gCounts.pacing ? "paced by sleeping" : "paced by the swap");
}

} // namespace

const LoopCounts& loopCounts()
{
    return gCounts;
}

int runGame(Shell& shell, const WindowServices& window)
{
    gCounts = LoopCounts();
    auto time = std::make_unique<LoopTime>();
    if (!openWindow(shell, window, windowWidth, windowHeight, *time)) return 0;
    shell.start();
    time->clock.restart(tickCount());

    int exitCode = 0;
    bool away = false;
    while (!shell.quitRequested()) {
        // Messages are drained one per pass before any frame runs.
        WindowMessage message;
        if (takeQuitMessage(message) || window.peekMessage(message)) {
            if (message.kind == MessageKind::Quit)
                exitCode = static_cast<int>(message.wParam);
            else
                windowProc(message);
            shell.handleMessage(message);
            continue;
        }

        // Before the frame's updates take the presses: a tap of F11 counts.
        if (fullscreenRequested()) {
            if (!toggleFullscreen(shell, window, *time)) return 0;  // nothing saved
            continue;
        }

        if (!windowActive) {
            sleepMs(kInactiveSleepMs);
            away = true;
            continue;
        }
        if (away) {
            // The time away is dropped, not caught up.
            time->clock.restart(tickCount());
            away = false;
        }
        // Where the swap does not wait for the display, the rest of its
        // refresh is slept out, then the messages that came meanwhile are
        // taken before the frame.
        if (const std::uint32_t wait = time->pacer.waitBeforeFrame(tickCount()); wait > 0) {
            sleepMs(wait);
            continue;
        }
        runFrame(shell, window, *time);
    }

    // Progress is saved before the window goes. It was also saved each time
    // it grew; this write covers a hand-edited file the game read at start.
    shell.saveProgress();
    window.destroyWindow();
    logCounts();
    return exitCode;
}

int runGame(const WindowServices& window)
{
    // The shell holds whole worlds and widget lists; keep it off the stack.
    auto shell = std::make_unique<Shell>();
    return runGame(*shell, window);
}
