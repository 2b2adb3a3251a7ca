#include "input/fullscreen_keys.h"

#include "input/input.h"

namespace {
constexpr int kVkF11 = kVkF1 + 10;
bool gAsked = false;
}

bool fullscreenRequested()
{
    // The presses, not the held flags: a tap released before the loop looks
    // still counts.
    return gAsked || keysPressed[kVkF1] || keysPressed[kVkF11] || (keys[kVkMenu] && keysPressed[kVkReturn]);
}

void requestFullscreenToggle()
{
    gAsked = true;
}

void clearFullscreenRequest()
{
    gAsked = false;
    // The held flags go too: the new window may never hear their release.
    // Alt stays down until its release; Enter is what repeats the request.
    keys[kVkF1] = keysPressed[kVkF1] = false;
    keys[kVkF11] = keysPressed[kVkF11] = false;
    if (keys[kVkMenu]) keys[kVkReturn] = keysPressed[kVkReturn] = false;
}
