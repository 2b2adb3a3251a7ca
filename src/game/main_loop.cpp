#include "game/main_loop.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/clock.h"
#include "app/frame_timing.h"
#include "input/fullscreen_keys.h"
#include "app/globals.h"
#include "input/input.h"
#include "app/message_box.h"
#include "app/picture_fit.h"
#include "game/shell.h"

namespace {

LoopCounts gCounts;

/// The game's clock and the display's pace, for one run of the loop.
struct LoopTime {
    UpdateClock clock;
    FramePacer pacer;
};

/// The clock's counts, kept for the line logged at exit.
void noteCounts(const LoopTime& time)
{
    gCounts.updates = time.clock.updates();
    gCounts.countedMs = time.clock.countedMs();
    gCounts.droppedMs = time.clock.droppedMs();
    gCounts.pacing = time.pacer.pacing();
}

/// One frame: every update now due, each taking the input it saw, then one
/// drawing between the last two updates, then the present.
void runFrame(Shell& shell, const WindowServices& window, LoopTime& time)
{
    const std::uint32_t now = tickCount();
    time.pacer.frameStarted(now);
    const int due = time.clock.advance(now);
    for (int i = 0; i < due; ++i) {
        shell.update(1.0f);
        shell.input.seenByUpdate();
    }
    shell.draw(time.clock.fraction());
    noteCounts(time);
    ++gCounts.frames;
    window.swapBuffers();
}

/// Full screen was refused and the window is windowed already: the player
/// says whether to go on so, in the game's own dialog. No ends the game the
/// orderly way, in the mode that worked.
void askWindowedInstead(Shell& shell)
{
    DialogQuestion question;
    question.text = "The requested fullscreen mode is not supported by\nyour video card. Use windowed mode instead?";
    question.onAnswer = [&shell](const DialogReply& reply) {
        if (reply.yes()) return;
        printMessage({"Program will now close.", "ERROR", MessageIcon::Stop, MessageButtons::Ok});
        shell.carryOut(ModeRequest::quit());
    };
    shell.dialog.ask(std::move(question));
}

/// A new window and the shell's textures in it; its swap is judged anew.
bool openWindow(Shell& shell, const WindowServices& window, int width, int height, LoopTime& time)
{
    if (!window.createWindow(kWindowTitle, width, height, kColorBits, fullscreen)) return false;
    shell.loadTextures();
    time.pacer.restart(window.refreshRate ? window.refreshRate() : 0);
    if (window.fullscreenRefused && window.fullscreenRefused()) askWindowedInstead(shell);
    return true;
}

/// F1 (or F11, Alt+Enter): the window is made anew in the other mode, the
/// same logical picture in it. Returns false when the new window cannot be
/// made; the game then ends at once.
bool toggleFullscreen(Shell& shell, const WindowServices& window, LoopTime& time)
{
    clearFullscreenRequest(shell.input);
    window.destroyWindow();
    const bool before = fullscreen;
    fullscreen = !fullscreen;
    if (openWindow(shell, window, kLogicalWidth, kLogicalHeight, time)) {
        // Making the window is not game time.
        time.clock.restart(tickCount());
        return true;
    }
    // The mode that failed is not the player's choice to keep.
    fullscreen = before;
    return false;
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
    if (!openWindow(shell, window, kLogicalWidth, kLogicalHeight, *time)) return 0;
    shell.start();
    time->clock.restart(tickCount());

    int exitCode = 0;
    bool away = false;
    while (!shell.quitRequested()) {
        // Messages are drained one per pass before any frame runs.
        WindowMessage message;
        if (takeQuitMessage(message) || window.peekMessage(message)) {
            if (message.kind == MessageKind::Quit)
                exitCode = message.exitCode;
            else
                windowProc(message, shell.input, shell.view);
            shell.handleMessage(message);
            continue;
        }

        // Before the frame's updates take the presses: a tap of F11 counts.
        if (fullscreenRequested(shell.input)) {
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
