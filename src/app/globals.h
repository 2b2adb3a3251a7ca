#pragma once

#include "physics/vector2d.h"

/// The few process-wide values of the game: what the platform fills in (the
/// input state and the window) and the camera through which every world
/// drawing and the mouse mapping look. The clock is app/clock.h's tickCount.
/// Everything else (screens, modes, levels, progress) belongs to the shell in
/// src/game/ and is handed to whoever needs it.

/// Mouse state, updated by the window procedure and polled once per frame.
struct MouseState {
    int x = 0;           ///< client pixels from the left edge
    int y = 0;           ///< client pixels from the top edge
    Vector2D world;      ///< world position computed at the last move (y up)
    bool leftDown = false;
    int wheel = 0;       ///< wheel notches since the last frame, positive away from the player
};

/// Key-down flags indexed by virtual-key code.
extern bool keys[256];
/// Keys pressed since the last frame, by virtual-key code: set by the first
/// key-down of a press (not by its repeats), cleared after each frame's
/// update. Shortcut keys read these so that a press acts once.
extern bool keysPressed[256];
/// Clears keysPressed; the main loop calls it after each frame's update.
void clearKeyPresses();
extern MouseState mouse;

extern int windowWidth;    ///< client size in pixels, rewritten by every resize
extern int windowHeight;
extern bool windowActive;  ///< not minimised: frames run only while set
extern bool fullscreen;    ///< the current window covers the screen

/// Where the camera starts, and where the main menu holds it.
inline constexpr Vector2D kStartCamera{-1.3f, 0.0f};
/// z translation of the world view.
inline constexpr float kCameraDepth = -10.0f;
/// World point drawn at the centre of the window.
extern Vector2D cameraOffset;
