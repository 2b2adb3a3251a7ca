#include "physics/ball.h"

#include "physics/constants.h"

Ball::Ball()
{
    model.build(kBallModelSegments, ballTexture);
}

void Ball::simulate(float dt)
{
    if (held) {
        velocity = {};
        force = {};
        return;
    }
    // The speed box acts on what the ball carried into this step, axis by
    // axis, before this step's force is added.
    if (velocity.x > maxBallSpeed) velocity.x = maxBallSpeed;
    if (velocity.y > maxBallSpeed) velocity.y = maxBallSpeed;
    if (velocity.x < -maxBallSpeed) velocity.x = -maxBallSpeed;
    if (velocity.y < -maxBallSpeed) velocity.y = -maxBallSpeed;
    velocity += (force / mass) * dt;
    position += velocity * dt;
    force = {};
}
