#include "app/globals.h"

// All constant-initialised, so no start-up order can see them unset.
constinit bool keys[256] = {};
constinit bool keysPressed[256] = {};

void clearKeyPresses()
{
    for (bool& pressed : keysPressed) pressed = false;
}

void inputSeenByUpdate()
{
    clearKeyPresses();
    mouse.wheel = 0;
    mouse.pressUnseen = false;
    if (mouse.releaseWaiting) {
        mouse.leftDown = false;
        mouse.releaseWaiting = false;
    }
}
constinit MouseState mouse;
constinit bool windowActive = true;
constinit bool fullscreen = false;
