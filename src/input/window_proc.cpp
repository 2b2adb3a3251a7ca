#include "input/window_proc.h"

#include "app/globals.h"
#include "input/input.h"
#include "app/view.h"
#include "app/viewport.h"

namespace {

bool gQuitPosted = false;
int gQuitCode = 0;

void releaseLeftButton()
{
    // A press no update has seen yet stays held for the next one.
    if (mouse.pressUnseen)
        mouse.releaseWaiting = true;
    else
        mouse.leftDown = false;
}

void activate(std::uint32_t wParam)
{
    // Only minimising stops the frames; losing the focus to another window
    // leaves the game running.
    windowActive = highWord(wParam) == 0;
    // A release that happens while another window (or none: the game's is
    // unmapped) has the focus never reaches the game; without this a rope
    // drag would stay stuck to the pointer, and a held arrow key keep moving
    // the view.
    if (lowWord(wParam) == 0 || highWord(wParam) != 0) {
        if (mouse.leftDown) releaseLeftButton();
        for (bool& key : keys) key = false;
    }
}

void mouseMove(std::uint32_t lParam, const View& view)
{
    // Both words are unsigned 16-bit positions.
    mouse.x = static_cast<int>(lowWord(lParam));
    mouse.y = static_cast<int>(highWord(lParam));
    mouse.world = view.toWorld(mouse.x, mouse.y);
}

} // namespace

bool windowProc(const WindowMessage& message, const View& view)
{
    switch (message.kind) {
    case MessageKind::Activate:
        activate(message.wParam);
        return true;
    case MessageKind::SysCommand:
        // Swallowed so that neither the screen saver nor monitor power-saving starts.
        return message.wParam == kScScreenSave || message.wParam == kScMonitorPower;
    case MessageKind::Close:
        postQuitMessage(0);
        return true;
    case MessageKind::KeyDown:
        // A code outside the flag table cannot come from a real key; ignore it
        // rather than write past the table.
        if (message.wParam < 256) {
            if (!keys[message.wParam]) keysPressed[message.wParam] = true;
            keys[message.wParam] = true;
        }
        return true;
    case MessageKind::KeyUp:
        if (message.wParam < 256) keys[message.wParam] = false;
        return true;
    case MessageKind::Size:
        resizeViewport(static_cast<int>(lowWord(message.lParam)),
                       static_cast<int>(highWord(message.lParam)));
        return true;
    case MessageKind::MouseMove:
        mouseMove(message.lParam, view);
        return true;
    case MessageKind::LButtonDown:
        mouse.leftDown = true;
        mouse.pressUnseen = true;
        mouse.releaseWaiting = false;
        return true;
    case MessageKind::LButtonUp:
        releaseLeftButton();
        return true;
    case MessageKind::MouseWheel:
        mouse.wheel += static_cast<std::int32_t>(message.wParam);
        return true;
    case MessageKind::TypedText:
        // What the text becomes is up to the field that has the keyboard.
        return true;
    case MessageKind::Quit:
    case MessageKind::Other:
        break;
    }
    return false;
}

void postQuitMessage(int exitCode)
{
    gQuitPosted = true;
    gQuitCode = exitCode;
}

bool takeQuitMessage(WindowMessage& out)
{
    if (!gQuitPosted) return false;
    gQuitPosted = false;
    out = WindowMessage{MessageKind::Quit, static_cast<std::uint32_t>(gQuitCode), 0};
    return true;
}
