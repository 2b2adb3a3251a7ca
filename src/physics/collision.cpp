#include "physics/collision.h"

#include <algorithm>
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

namespace {

// True when p is clearly farther than r from every point of the line's
// bounding box, and so from the line. The slack, far larger than any rounding
// of the exact test, leaves every case near the edge to that test, so this
// only saves work and never changes an outcome. NaNs fall through to it too.
inline bool outOfAxisReach(float p, float a, float b, float r)
{
    const float lo = std::min(a, b);
    const float hi = std::max(a, b);
    const float reach = r + 1e-4f * (1.0f + std::fabs(p) + std::fabs(lo) + std::fabs(hi) + std::fabs(r));
    return p > hi + reach || p < lo - reach;
}

inline bool outOfReach(const Line& line, const Vector2D& p, float r)
{
    return outOfAxisReach(p.x, line.ends[0].x, line.ends[1].x, r) ||
           outOfAxisReach(p.y, line.ends[0].y, line.ends[1].y, r);
}

} // namespace

void collideWithLines(Ball& ball, const Simulation& simulation)
{
    const Vector2D p = ball.position;
    const float r = ball.radius;
    for (const Line& line : simulation.lines) {
        if (outOfReach(line, p, r)) continue;
        Vector2D c = closestPointOnSegment(line.ends[0], line.ends[1], p);
        float d = distance(p, c);
        // Touching counts. Written so that a distance that is not a number
        // (a body gone NaN or infinite) is no contact and cannot spread to
        // the ball. A centre exactly on the line gets nothing (this also
        // spares a ball of radius 0 the division 0 / 0 below).
        if (!(r >= d) || d == 0.0f) continue;
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
        // A NaN distance is no contact, as in every stage here.
        if (!(reach >= d)) continue;
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
    if (rope.masses.empty()) return;
    // The box around the rope's points lets a ball far from the whole rope
    // skip it in one test. NaN positions never shrink the box (the comparisons
    // fail), so they cannot hide a point from the exact test.
    Vector2D lo = rope.masses[0].position;
    Vector2D hi = lo;
    for (const Mass& point : rope.masses) {
        lo.x = std::min(lo.x, point.position.x);
        lo.y = std::min(lo.y, point.position.y);
        hi.x = std::max(hi.x, point.position.x);
        hi.y = std::max(hi.y, point.position.y);
    }

    for (Ball& ball : simulation.balls) {
        // Both shortcuts leave a little room, so every case near the edge
        // still takes the exact test below and no outcome changes.
        const float reach = (ball.radius + kRopeContactMargin) * 1.0001f;
        if (outOfAxisReach(ball.position.x, lo.x, hi.x, reach) || outOfAxisReach(ball.position.y, lo.y, hi.y, reach))
            continue;
        const float reachSquared = reach * reach;
        for (Mass& point : rope.masses) {
            const Vector2D offset = point.position - ball.position;
            if (offset.x * offset.x + offset.y * offset.y > reachSquared) continue;
            float d = length(offset) - kRopeContactMargin;
            if (!(ball.radius >= d)) continue;
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
