#include "play/try_watch.h"

#include <cmath>

TryOutcome TryWatch::update(const Simulation& world)
{
    if (world.balls.empty() || outcome == TryOutcome::LeftArea) return outcome;
    const Ball& ball = world.balls[0];

    if (std::fabs(ball.position.x) > world.size.x + ball.radius ||
        std::fabs(ball.position.y) > world.size.y + ball.radius || !std::isfinite(ball.position.x) ||
        !std::isfinite(ball.position.y)) {
        outcome = TryOutcome::LeftArea;
        return outcome;
    }

    if (started && distance(ball.position, lastPosition) < kRestDistance)
        ++stillFrames;
    else
        stillFrames = 0;
    started = true;
    lastPosition = ball.position;
    outcome = stillFrames >= kRestFrames ? TryOutcome::Resting : TryOutcome::Running;
    return outcome;
}
