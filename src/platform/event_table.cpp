#include "platform/event_table.h"

#include "input/key_map.h"

namespace {

WindowMessage message(MessageKind kind, std::uint32_t wParam = 0, std::uint32_t lParam = 0)
{
    return WindowMessage{kind, wParam, lParam};
}

std::uint32_t word(int value)
{
    return static_cast<std::uint32_t>(value);
}

WindowMessage fromKey(MessageKind kind, const SDL_KeyboardEvent& event)
{
    const int vk = virtualKeyFromSdl(event.keysym.sym);
    if (vk == 0) return message(MessageKind::Other);
    // Held keys repeat their presses, as the game's text entry expects.
    return message(kind, static_cast<std::uint32_t>(vk));
}

// A typed text as bytes in one word. The game's fields take printable ASCII
// only; a longer text (an input method's whole word) keeps its first four.
WindowMessage fromText(const SDL_TextInputEvent& event)
{
    std::uint32_t packed = 0;
    for (int i = 0; i < 4 && event.text[i] != '\0'; ++i)
        packed |= static_cast<std::uint32_t>(static_cast<unsigned char>(event.text[i])) << (8 * i);
    if (packed == 0) return message(MessageKind::Other);
    return message(MessageKind::TypedText, packed);
}

} // namespace

WindowMessage EventTable::activation(bool focused) const
{
    // A minimised window is inactive even when it holds the focus.
    return message(MessageKind::Activate, packWords(focused ? 1 : 0, minimised_ ? 1 : 0));
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
        return message(MessageKind::Size, 0, packWords(word(geometry.drawableWidth), word(geometry.drawableHeight)));
    case SDL_WINDOWEVENT_CLOSE:
        return message(MessageKind::Close, kClosedByPlayer);
    default:
        return message(MessageKind::Other);
    }
}

WindowMessage EventTable::translate(const SDL_Event& event, const WindowGeometry& geometry)
{
    switch (event.type) {
    case SDL_QUIT:
        return message(MessageKind::Close);
    case SDL_WINDOWEVENT:
        return fromWindowEvent(event.window, geometry);
    case SDL_KEYDOWN:
        return fromKey(MessageKind::KeyDown, event.key);
    case SDL_KEYUP:
        return fromKey(MessageKind::KeyUp, event.key);
    case SDL_TEXTINPUT:
        return fromText(event.text);
    case SDL_MOUSEMOTION: {
        // Mapped and clamped before packing: a drag held beyond the window's
        // edge stops at the picture's edge instead of wrapping round.
        const LogicalPoint point = windowToLogical(event.motion.x, event.motion.y, geometry);
        return message(MessageKind::MouseMove, 0, packWords(word(point.x), word(point.y)));
    }
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT) return message(MessageKind::LButtonDown);
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT) return message(MessageKind::LButtonUp);
        break;
    case SDL_MOUSEWHEEL: {
        // Natural scrolling reverses the sign; the game always wants away = up.
        const Sint32 notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        return message(MessageKind::MouseWheel, static_cast<std::uint32_t>(notches));
    }
    default:
        break;
    }
    return message(MessageKind::Other);
}
