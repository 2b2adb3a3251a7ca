#pragma once

#include "physics/vector2d.h"

/// One ball contact as the world step finds it.
struct Contact {
    enum class Kind { Wall, Line, Ball, RopePoint };
    Kind kind = Kind::Wall;
    int ball = 0;            ///< index of the ball in Simulation::balls
    int other = -1;          ///< index of the line, the other ball or the rope; -1 for a wall
    Vector2D position;       ///< the ball's centre, world units
    Vector2D normal;         ///< unit, from the ball towards what it touches
    float approachSpeed = 0; ///< closing speed along the normal, units per time unit; negative when parting
};

/// Told about every ball contact of a world step, in the step's order. It
/// only reads: the step computes nothing for it unless one is set, and
/// nothing it is told feeds back, so the world moves the same with or
/// without it. It must not allocate, as the step never does.
class ContactObserver {
public:
    virtual void onContact(const Contact& contact) = 0;

protected:
    ~ContactObserver() = default;
};
