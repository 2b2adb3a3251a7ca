#include "input/input.h"

#include <algorithm>
#include <iterator>

#include "app/view.h"

void Input::keyDown(int code)
{
    if (code < 0 || code >= 256) return;
    if (!keys[code]) keysPressed[code] = true;
    keys[code] = true;
}

void Input::keyUp(int code)
{
    if (code >= 0 && code < 256) keys[code] = false;
}

void Input::pointerMove(int x, int y, const View& view)
{
    mouse.x = x;
    mouse.y = y;
    mouse.world = view.toWorld(x, y);
}

void Input::buttonDown()
{
    mouse.leftDown = true;
    mouse.pressUnseen = true;
    mouse.releaseWaiting = false;
}

void Input::buttonUp()
{
    // A press no update has seen yet stays held for the next one.
    if (mouse.pressUnseen)
        mouse.releaseWaiting = true;
    else
        mouse.leftDown = false;
}

void Input::releaseAll()
{
    if (mouse.leftDown) buttonUp();
    std::fill(std::begin(keys), std::end(keys), false);
}

void Input::clearKeyPresses()
{
    std::fill(std::begin(keysPressed), std::end(keysPressed), false);
}

bool Input::anyKeyPressed() const
{
    return std::any_of(std::begin(keysPressed), std::end(keysPressed), [](bool pressed) { return pressed; });
}

void Input::seenByUpdate()
{
    clearKeyPresses();
    mouse.wheel = 0;
    mouse.pressUnseen = false;
    if (mouse.releaseWaiting) {
        mouse.leftDown = false;
        mouse.releaseWaiting = false;
    }
}
