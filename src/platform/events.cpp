// One SDL event at a time, translated into the game's window messages.
#include <SDL2/SDL.h>

#include <csignal>

#include "platform/events.h"
#include "platform/window.h"
#include "input/key_map.h"
#include "platform/audio_device.h"
#include "platform/event_table.h"

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
EventTable gEventTable;

} // namespace

void requestTermination()
{
    gTerminationRequested = 1;
}

bool peekWindowMessage(WindowMessage& out)
{
    if (gTerminationRequested) {
        gTerminationRequested = 0;
        out = WindowMessage::close(false);
        return true;
    }
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
    SDL_Event event;
    if (SDL_PollEvent(&event) == 0) return false;
    if (event.type == SDL_AUDIODEVICEREMOVED && event.adevice.iscapture == 0) audioDeviceRemoved(event.adevice.which);
    out = gEventTable.translate(event, gameWindowGeometry());
    if (event.type == SDL_WINDOWEVENT) noteWindowPlacement();
    return true;
}
