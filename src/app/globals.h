#pragma once

/// The few process-wide values of the game: what the platform says of the
/// window. The input is the shell's Input (input/input.h), the camera and the
/// picture its View (app/view.h); the clock is app/clock.h's tickCount.
/// Everything else (screens, modes, levels, progress) belongs to the shell in
/// src/game/ and is handed to whoever needs it.

extern bool windowActive;  ///< not minimised: frames run only while set
extern bool fullscreen;    ///< the current window covers the screen
