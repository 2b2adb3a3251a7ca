#include "input/fullscreen_keys.h"

#include "input/input.h"

namespace {
constexpr int kVkF11 = kVkF1 + 10;
bool gAsked = false;
}

bool fullscreenRequested(const Input& input)
{
    // The presses, not the held flags: a tap released before the loop looks
    // still counts.
    return gAsked || input.keysPressed[kVkF1] || input.keysPressed[kVkF11] || (input.keys[kVkMenu] && input.keysPressed[kVkReturn]);
}

void requestFullscreenToggle()
{
    gAsked = true;
}

void clearFullscreenRequest(Input& input)
{
    gAsked = false;
    // The held flags go too: the new window may never hear their release.
    // Alt stays down until its release; Enter is what repeats the request.
    input.keys[kVkF1] = input.keysPressed[kVkF1] = false;
    input.keys[kVkF11] = input.keysPressed[kVkF11] = false;
    if (input.keys[kVkMenu]) input.keys[kVkReturn] = input.keysPressed[kVkReturn] = false;
}
