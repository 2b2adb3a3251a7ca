#include "input/window_proc.h"

#include "app/globals.h"
#include "app/viewport.h"
#include "input/input.h"

namespace {

bool gQuitPosted = false;
int gQuitCode = 0;

void activate(const WindowMessage& message, Input& input)
{
    // Only minimising stops the frames; losing the focus to another window
    // leaves the game running.
    windowActive = !message.minimised;
    // A release that happens while another window (or none: the game's is
    // unmapped) has the focus never reaches the game; without this a rope
    // drag would stay stuck to the pointer, and a held arrow key keep moving
    // the view.
    if (!message.focused || message.minimised) input.releaseAll();
}

} // namespace

void windowProc(const WindowMessage& message, Input& input, const View& view)
{
    switch (message.kind) {
    case MessageKind::Activate:
        activate(message, input);
        break;
    case MessageKind::Close:
        postQuitMessage(0);
        break;
    case MessageKind::KeyDown:
        input.keyDown(message.key);
        break;
    case MessageKind::KeyUp:
        input.keyUp(message.key);
        break;
    case MessageKind::Size:
        resizeViewport(message.width, message.height);
        break;
    case MessageKind::MouseMove:
        input.pointerMove(message.x, message.y, view);
        break;
    case MessageKind::LButtonDown:
        input.buttonDown();
        break;
    case MessageKind::LButtonUp:
        input.buttonUp();
        break;
    case MessageKind::MouseWheel:
        input.mouse.wheel += message.wheel;
        break;
    case MessageKind::TypedText:
        // What the text becomes is up to the field that has the keyboard.
    case MessageKind::Quit:
    case MessageKind::Other:
        break;
    }
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
    out = WindowMessage{.kind = MessageKind::Quit, .exitCode = gQuitCode};
    return true;
}
