#pragma once

#include "physics/vector2d.h"

/// One point of a rope. Forces are accumulated with applyForce during a step
/// and turned into motion once, by simulate, which also clears them.
struct Mass {
    float mass = 1.0f;     ///< inertial mass; every rope point weighs 1
    bool fixed = false;    ///< pinned: never integrated, velocity held at zero
    Vector2D position;     ///< world units
    Vector2D velocity;     ///< world units per time unit
    Vector2D force;        ///< sum of the forces since the last integration

    /// Adds f to the accumulated force. May be called any time before simulate.
    void applyForce(const Vector2D& f) { force += f; }

    /// One semi-implicit Euler step of dt time units (10 ms each). A fixed mass
    /// is not moved; its velocity and force are zeroed instead. A mass of
    /// exactly 0 is not accelerated.
    void simulate(float dt);
};
