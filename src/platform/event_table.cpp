#include "platform/event_table.h"

#include "input/key_map.h"

namespace {

WindowMessage fromKey(MessageKind kind, const SDL_KeyboardEvent& event)
{
    const int vk = virtualKeyFromSdl(event.keysym.sym);
    if (vk == 0) return WindowMessage::of(MessageKind::Other);
    // Held keys repeat their presses, as the game's text entry expects.
    return WindowMessage{.kind = kind, .key = vk};
}

// A typed text. The game's fields take printable ASCII only; a longer text
// (an input method's whole word) keeps its first four bytes.
WindowMessage fromText(const SDL_TextInputEvent& event)
{
    if (event.text[0] == '\0') return WindowMessage::of(MessageKind::Other);
    WindowMessage message = WindowMessage::of(MessageKind::TypedText);
    for (int i = 0; i < 4 && event.text[i] != '\0'; ++i) message.text[i] = event.text[i];
    return message;
}

} // namespace

WindowMessage EventTable::activation(bool focused) const
{
    // A minimised window is inactive even when it holds the focus.
    return WindowMessage::activate(focused, minimised_);
}

WindowMessage EventTable::fromWindowEvent(const SDL_WindowEvent& event, const WindowGeometry& geometry)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN:
        minimised_ = true;
        return activation(false);
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_SHOWN:
        minimised_ = false;
        return activation(true);
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        return activation(true);
    case SDL_WINDOWEVENT_FOCUS_LOST:
        // Inactive but not minimised: the game keeps running behind others.
        return activation(false);
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        // The viewport follows the drawable, which is larger than the window
        // on a high-density display.
        return WindowMessage::size(geometry.drawableWidth, geometry.drawableHeight);
    case SDL_WINDOWEVENT_CLOSE:
        return WindowMessage::close(true);
    default:
        return WindowMessage::of(MessageKind::Other);
    }
}

WindowMessage EventTable::translate(const SDL_Event& event, const WindowGeometry& geometry)
{
    switch (event.type) {
    case SDL_QUIT:
        return WindowMessage::close(false);
    case SDL_WINDOWEVENT:
        return fromWindowEvent(event.window, geometry);
    case SDL_KEYDOWN:
        return fromKey(MessageKind::KeyDown, event.key);
    case SDL_KEYUP:
        return fromKey(MessageKind::KeyUp, event.key);
    case SDL_TEXTINPUT:
        return fromText(event.text);
    case SDL_MOUSEMOTION: {
        // Mapped and clamped: a drag held beyond the window's edge stops at
        // the picture's edge.
        const LogicalPoint point = windowToLogical(event.motion.x, event.motion.y, geometry);
        return WindowMessage::mouseMove(point.x, point.y);
    }
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT) return WindowMessage::of(MessageKind::LButtonDown);
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT) return WindowMessage::of(MessageKind::LButtonUp);
        break;
    case SDL_MOUSEWHEEL: {
        // Natural scrolling reverses the sign; the game always wants away = up.
        const Sint32 notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        return WindowMessage::wheelTurned(notches);
    }
    default:
        break;
    }
    return WindowMessage::of(MessageKind::Other);
}
