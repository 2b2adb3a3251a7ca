#pragma once

#include "physics/vector2d.h"

/// The few process-wide values of the game: what the platform fills in (the
/// input state and the window). The camera and the picture are the shell's
/// View (app/view.h); the clock is app/clock.h's tickCount.
/// Everything else (screens, modes, levels, progress) belongs to the shell in
/// src/game/ and is handed to whoever needs it.

/// Mouse state, updated by the window procedure and polled by every update.
struct MouseState {
    int x = 0;           ///< client pixels from the left edge
    int y = 0;           ///< client pixels from the top edge
    Vector2D world;      ///< world position computed at the last move (y up)
    /// Held, as the next update sees it: a press released before any update
    /// ran still reads as held for that one update, so a click of any length
    /// presses a button.
    bool leftDown = false;
    int wheel = 0;       ///< wheel notches since the last update, positive away from the player
    bool pressUnseen = false;    ///< a press that no update has seen yet
    bool releaseWaiting = false; ///< its release, carried out once an update has seen the press
};

/// Key-down flags indexed by virtual-key code.
extern bool keys[256];
/// Keys pressed since the last update, by virtual-key code: set by the first
/// key-down of a press (not by its repeats), cleared once an update has run.
/// Shortcut keys read these so that a press acts once, however short.
extern bool keysPressed[256];
/// Clears keysPressed.
void clearKeyPresses();
/// What one update has taken of the input: the key presses and wheel notches
/// are cleared, and a release held back for an unseen press is carried out.
/// The main loop calls it after every update, and only then, so input that
/// comes while no update runs waits for the next.
void inputSeenByUpdate();
extern MouseState mouse;

extern bool windowActive;  ///< not minimised: frames run only while set
extern bool fullscreen;    ///< the current window covers the screen
