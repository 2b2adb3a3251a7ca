#pragma once

#include "physics/simulation.h"

/// How a try has ended without reaching the exit, if it has.
enum class TryOutcome { Running, Resting, LeftArea };

/// Watches ball 0 during a try: it has come to rest once it has moved less
/// than kRestDistance in each of kRestFrames frames in a row, and it has
/// left once its centre is a radius beyond the play area's walls. Frames, not
/// time: like every count of the game it steps once per update.
struct TryWatch {
    static constexpr int kRestFrames = 200;          ///< two seconds of 10 ms frames
    static constexpr float kRestDistance = 0.002f;   ///< world units per frame

    Vector2D lastPosition;
    int stillFrames = 0;
    bool started = false;
    TryOutcome outcome = TryOutcome::Running;

    /// Forgets the last try.
    void reset() { *this = TryWatch(); }
    /// One frame of the try; returns the outcome so far. Once the ball has
    /// left or rested the outcome stays until reset, except that a resting
    /// ball set moving again runs on.
    TryOutcome update(const Simulation& world);
};
