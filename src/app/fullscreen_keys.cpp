#include "app/fullscreen_keys.h"

#include "app/input.h"

namespace {
constexpr int kVkF11 = kVkF1 + 10;
bool gAsked = false;
}

bool fullscreenRequested()
{
    return gAsked || keys[kVkF1] || keys[kVkF11] || (keys[kVkMenu] && keys[kVkReturn]);
}

void requestFullscreenToggle()
{
    gAsked = true;
}

void clearFullscreenRequest()
{
    gAsked = false;
    // Alt stays down until its release; Enter is what repeats the request.
    keys[kVkF1] = false;
    keys[kVkF11] = false;
    if (keys[kVkMenu]) keys[kVkReturn] = false;
}
