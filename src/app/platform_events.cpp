// One SDL event at a time, translated into the game's window messages.
#include <SDL2/SDL.h>

#include <csignal>

#include "app/game_window.h"
#include "app/key_map.h"
#include "app/platform.h"

// The key table is written with plain numbers; make sure they are SDL's.
static_assert(sdl_key::kF1 == SDLK_F1 && sdl_key::kF12 == SDLK_F12);
static_assert(sdl_key::kLeft == SDLK_LEFT && sdl_key::kUp == SDLK_UP);
static_assert(sdl_key::kRight == SDLK_RIGHT && sdl_key::kDown == SDLK_DOWN);
static_assert(sdl_key::kKp1 == SDLK_KP_1 && sdl_key::kKp0 == SDLK_KP_0 && SDLK_KP_9 == SDLK_KP_1 + 8);
static_assert(sdl_key::kKpEnter == SDLK_KP_ENTER && sdl_key::kKpPeriod == SDLK_KP_PERIOD);
static_assert(sdl_key::kKpDivide == SDLK_KP_DIVIDE && sdl_key::kKpMultiply == SDLK_KP_MULTIPLY);
static_assert(sdl_key::kKpMinus == SDLK_KP_MINUS && sdl_key::kKpPlus == SDLK_KP_PLUS);
static_assert(sdl_key::kLShift == SDLK_LSHIFT && sdl_key::kRShift == SDLK_RSHIFT);
static_assert(sdl_key::kLCtrl == SDLK_LCTRL && sdl_key::kRCtrl == SDLK_RCTRL);
static_assert(sdl_key::kLAlt == SDLK_LALT && sdl_key::kRAlt == SDLK_RALT);
static_assert(sdl_key::kBackspace == SDLK_BACKSPACE && sdl_key::kReturn == SDLK_RETURN);
static_assert(sdl_key::kTab == SDLK_TAB && sdl_key::kEscape == SDLK_ESCAPE && sdl_key::kSpace == SDLK_SPACE);
static_assert(sdl_key::kDelete == SDLK_DELETE && sdl_key::kCapsLock == SDLK_CAPSLOCK);
static_assert(sdl_key::kPause == SDLK_PAUSE && sdl_key::kInsert == SDLK_INSERT);
static_assert(sdl_key::kHome == SDLK_HOME && sdl_key::kEnd == SDLK_END);
static_assert(sdl_key::kPageUp == SDLK_PAGEUP && sdl_key::kPageDown == SDLK_PAGEDOWN);
static_assert(sdl_key::kA == SDLK_a && sdl_key::k0 == SDLK_0);

namespace {

volatile std::sig_atomic_t gTerminationRequested = 0;

WindowMessage message(MessageKind kind, std::uint32_t wParam = 0, std::uint32_t lParam = 0)
{
    return WindowMessage{kind, wParam, lParam};
}

WindowMessage fromWindowEvent(const SDL_WindowEvent& event)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_MINIMIZED:
        return message(MessageKind::Activate, packWords(0, 1));
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        return message(MessageKind::Activate, packWords(1, 0));
    case SDL_WINDOWEVENT_FOCUS_LOST:
        // Inactive but not minimised: the game keeps running behind others.
        return message(MessageKind::Activate, packWords(0, 0));
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        return message(MessageKind::Size, 0,
                       packWords(static_cast<std::uint32_t>(event.data1), static_cast<std::uint32_t>(event.data2)));
    case SDL_WINDOWEVENT_CLOSE:
        return message(MessageKind::Close);
    default:
        return message(MessageKind::Other);
    }
}

WindowMessage fromKey(MessageKind kind, const SDL_KeyboardEvent& event)
{
    const int vk = virtualKeyFromSdl(event.keysym.sym);
    if (vk == 0) return message(MessageKind::Other);
    // Held keys repeat their presses, as the game's text entry expects.
    return message(kind, static_cast<std::uint32_t>(vk));
}

WindowMessage translate(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        return message(MessageKind::Close);
    case SDL_WINDOWEVENT:
        return fromWindowEvent(event.window);
    case SDL_KEYDOWN:
        return fromKey(MessageKind::KeyDown, event.key);
    case SDL_KEYUP:
        return fromKey(MessageKind::KeyUp, event.key);
    case SDL_MOUSEMOTION:
        return message(MessageKind::MouseMove, 0,
                       packWords(static_cast<std::uint32_t>(event.motion.x), static_cast<std::uint32_t>(event.motion.y)));
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

} // namespace

void requestTermination()
{
    gTerminationRequested = 1;
}

bool peekWindowMessage(WindowMessage& out)
{
    if (gTerminationRequested) {
        gTerminationRequested = 0;
        out = message(MessageKind::Close);
        return true;
    }
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
    SDL_Event event;
    if (SDL_PollEvent(&event) == 0) return false;
    out = translate(event);
    return true;
}
