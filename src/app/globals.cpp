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
constinit int windowWidth = 800;
constinit int windowHeight = 600;
constinit bool windowActive = true;
constinit bool fullscreen = false;
constinit Vector2D cameraOffset = kStartCamera;
constinit Vector2D drawnCameraShift;
