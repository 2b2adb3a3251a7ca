#include "physics/simulation.h"

#include "physics/collision.h"
#include "physics/constants.h"

void Simulation::step(float dt)
{
    // Balls against the world. No ball moves before the end of the step, so
    // every contact sees the balls where the previous step left them.
    const int ballCount = static_cast<int>(balls.size());
    for (int i = 0; i < ballCount; ++i) {
        collideWithBounds(balls[i], *this);
        collideWithLines(balls[i], *this);
        collideBalls(i, *this);
    }

    // Ropes one by one: rope k's contacts see its points before they move.
    for (Rope& rope : ropes) {
        collideBallsWithRopes(rope, *this);
        rope.simulate(dt, gravity);
    }

    // Apply gravity and drag, then integrate the balls.
    for (Ball& ball : balls) {
        ball.applyForce(gravity * ball.mass);
        ball.applyForce(-ball.velocity * kBallDrag);
        ball.simulate(dt, maxBallSpeed);
    }
}
