#include "physics/ball.h"

void Ball::simulate(float dt, float maxSpeed)
{
    if (held) {
        velocity = {};
        force = {};
        return;
    }
    // The speed box acts on what the ball carried into this step, axis by
    // axis, before this step's force is added.
    if (velocity.x > maxSpeed) velocity.x = maxSpeed;
    if (velocity.y > maxSpeed) velocity.y = maxSpeed;
    if (velocity.x < -maxSpeed) velocity.x = -maxSpeed;
    if (velocity.y < -maxSpeed) velocity.y = -maxSpeed;
    velocity += (force / mass) * dt;
    position += velocity * dt;
    force = {};
}
