#pragma once

#include <cstdint>

#include "physics/vector2d.h"

/// Virtual-key codes the game uses (the codes of a message-driven desktop).
enum VirtualKey : int {
    kVkBack = 0x08,
    kVkReturn = 0x0D,
    kVkShift = 0x10,
    kVkControl = 0x11,
    kVkEscape = 0x1B,
    kVkSpace = 0x20,
    kVkLeft = 0x25,
    kVkUp = 0x26,
    kVkRight = 0x27,
    kVkDown = 0x28,
    kVkNumpad0 = 0x60,
    kVkF1 = 0x70,
};

/// Mouse state, updated by the window procedure and polled once per frame.
struct MouseState {
    int x = 0;           ///< client pixels from the left edge
    int y = 0;           ///< client pixels from the top edge
    Vector2D world;      ///< world position computed at the last move (y up)
    bool leftDown = false;
};

/// Key-down flags indexed by virtual-key code.
extern bool keys[256];
extern MouseState mouse;

/// The world position of a client pixel with the current window size and
/// camera (both axes scaled by the width; the centre pixel maps to the camera).
Vector2D mouseToWorld(int x, int y);
