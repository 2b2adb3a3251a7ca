#include "physics/mass.h"

void Mass::simulate(float dt)
{
    if (fixed) {
        velocity = {};
        force = {};
        return;
    }
    // Velocity first, then the position with the new velocity.
    velocity += (force / mass) * dt;
    position += velocity * dt;
    force = {};
}
