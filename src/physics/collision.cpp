#include "physics/collision.h"

#include <cmath>

#include "physics/constants.h"
#include "physics/simulation.h"

void collideWithBounds(Ball& ball, const Simulation& simulation)
{
    const Vector2D p = ball.position;
    const Vector2D v = ball.velocity;
    const float r = ball.radius;
    const float w = simulation.size.x;
    const float h = simulation.size.y;
    Vector2D push;

    // Each wall on its own, so a ball in a corner feels both.
    if (p.x + r > w) {
        if (v.x > 0.0f) ball.applyForce({-v.x, 0.0f});
        push += Vector2D(-kWallStiffness, 0.0f) * (p.x + r - w);
    }
    if (p.x - r < -w) {
        if (v.x < 0.0f) ball.applyForce({-v.x, 0.0f});
        push += Vector2D(-kWallStiffness, 0.0f) * (p.x - r + w);
    }
    if (p.y + r > h) {
        if (v.y > 0.0f) ball.applyForce({0.0f, -v.y});
        push += Vector2D(0.0f, -kWallStiffness) * (p.y + r - h);
    }
    if (p.y - r < -h) {
        if (v.y < 0.0f) ball.applyForce({0.0f, -v.y});
        push += Vector2D(0.0f, -kWallStiffness) * (p.y - r + h);
    }
    ball.applyForce(push);
}

void collideWithLines(Ball& ball, const Simulation& simulation)
{
    const Vector2D p = ball.position;
    const float r = ball.radius;
    for (const Line& line : simulation.lines) {
        Vector2D c = closestPointOnSegment(line.ends[0], line.ends[1], p);
        float d = distance(p, c);
        // A centre exactly on the line gets nothing (this also spares a ball
        // of radius 0 the division 0 / 0 below).
        if (r < d || d == 0.0f) continue;
        // Both forces use the raw offset p - c: the bounce divides it by the
        // radius (not by d) and the penalty is not normalised at all, which is
        // what gives lines their soft, springy feel.
        Vector2D speed(std::fabs(ball.velocity.x), std::fabs(ball.velocity.y));
        ball.applyForce({(p.x - c.x) / r * speed.x, (p.y - c.y) / r * speed.y});
        ball.applyForce((p - c) * kLineStiffness * (r - d));
    }
}

void collideBalls(int i, Simulation& simulation)
{
    auto& balls = simulation.balls;
    const int count = static_cast<int>(balls.size());
    // j starts at i: the self-pair always touches, pushes nothing, and gives
    // the ball the drag twice.
    for (int j = i; j < count; ++j) {
        Ball& a = balls[i];
        Ball& b = balls[j];
        float d = distance(b.position, a.position);
        float reach = b.radius + a.radius;
        if (reach < d) continue;
        Vector2D n = a.position - b.position;
        float len = length(n);
        if (len != 0.0f) n = n / len;
        n = n * (reach - d);
        a.applyForce(n);
        b.applyForce(-n);
        a.applyForce(-a.velocity * kBallToBallDrag);
        b.applyForce(-b.velocity * kBallToBallDrag);
    }
}

void collideBallsWithRopes(Rope& rope, Simulation& simulation)
{
    for (Ball& ball : simulation.balls) {
        for (Mass& point : rope.masses) {
            float d = distance(point.position, ball.position) - kRopeContactMargin;
            if (ball.radius < d) continue;
            float depth = ball.radius - d;
            // Direction between where each body would be one time unit ahead.
            Vector2D n = (ball.position + ball.velocity) - (point.position + point.velocity);
            float len = length(n);
            if (len != 0.0f) n = n / len;
            Vector2D f = n * depth;
            ball.applyForce(f);
            point.applyForce(-f);
        }
    }
}
