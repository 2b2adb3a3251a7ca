#include "game/main_loop.h"

#include <cstdint>
#include <memory>

#include "app/clock.h"
#include "app/frame_timing.h"
#include "app/fullscreen_keys.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/message_box.h"
#include "app/picture_fit.h"
#include "game/shell.h"

namespace {

/// One frame: wait out the rest of the 10 ms since the last one, take the
/// frame time, update, draw, present.
void runFrame(Shell& shell, const WindowServices& window, std::uint32_t& lastTick)
{
    const std::uint32_t wait = framePaceWait(tickCount(), lastTick);
    if (wait > 0) sleepMs(wait);

    const float dt = frameDt(tickCount(), lastTick);
    // A second reading, so the time spent above is not counted twice.
    lastTick = tickCount();

    shell.update(dt);
    clearKeyPresses();
    mouse.wheel = 0;  // a turn of the wheel counts for the frame it came in
    shell.draw();
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

/// A new window and the shell's textures in it.
bool openWindow(Shell& shell, const WindowServices& window, int width, int height)
{
    if (!window.createWindow(kWindowTitle, width, height, kColorBits, fullscreen)) return false;
    shell.loadTextures();
    if (window.fullscreenRefused && window.fullscreenRefused()) askWindowedInstead(shell);
    return true;
}

/// F1 (or F11, Alt+Enter): the window is made anew in the other mode, the
/// same logical picture in it. Returns false when the new window cannot be
/// made; the game then ends at once.
bool toggleFullscreen(Shell& shell, const WindowServices& window)
{
    clearFullscreenRequest();
    window.destroyWindow();
    const bool before = fullscreen;
    fullscreen = !fullscreen;
    if (openWindow(shell, window, kLogicalWidth, kLogicalHeight)) return true;
    // The mode that failed is not the player's choice to keep.
    fullscreen = before;
    return false;
}

} // namespace

int runGame(Shell& shell, const WindowServices& window)
{
    if (!openWindow(shell, window, windowWidth, windowHeight)) return 0;
    std::uint32_t lastTick = tickCount();
    shell.start();

    int exitCode = 0;
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

        if (windowActive)
            runFrame(shell, window, lastTick);
        else
            sleepMs(kInactiveSleepMs);

        if (fullscreenRequested() && !toggleFullscreen(shell, window)) return 0;  // nothing saved
    }

    // Progress is saved before the window goes. It was also saved each time
    // it grew; this write covers a hand-edited file the game read at start.
    shell.saveProgress();
    window.destroyWindow();
    return exitCode;
}

int runGame(const WindowServices& window)
{
    // The shell holds whole worlds and widget lists; keep it off the stack.
    auto shell = std::make_unique<Shell>();
    return runGame(*shell, window);
}
