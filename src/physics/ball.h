#pragma once

#include "physics/constants.h"
#include "physics/vector2d.h"

/// The body the player brings to the exit. It does not rotate; forces act on
/// its centre and are turned into motion once per step by simulate.
struct Ball {
    Vector2D position;     ///< centre, world units
    Vector2D velocity;     ///< world units per time unit
    Vector2D force;        ///< forces and contact impulses since the last integration
    bool held = false;     ///< held still: every step zeroes velocity and force
    float radius = 0.3f;   ///< world units; also the scale of the drawn mesh
    float mass = 1.0f;     ///< inertial mass; gravity acts with gravity * mass

    /// Adds f to the accumulated force. May be called any time before simulate.
    void applyForce(const Vector2D& f) { force += f; }

    /// One integration step of dt time units. A held ball stays put with zero
    /// velocity and force. Otherwise the velocity is first clipped to the
    /// per-axis box of maxSpeed, then this step's force is applied (so it
    /// may exceed the box by one step's acceleration), then the ball moves.
    void simulate(float dt, float maxSpeed = kMaxBallSpeed);
};
