#include "physics/rope.h"

#include "physics/constants.h"
#include "physics/simulation.h"

void addRope(Vector2D a, Vector2D b, Simulation& simulation)
{
    Vector2D dir = b - a;
    if (dir.x == 0.0f && dir.y == 0.0f) return;
    float len = distance(a, b);
    if (len <= kShortestRope) return;
    // A span this long (or not a number) would never finish: the 32-bit
    // parameter below stops growing once the spacing falls under its rounding.
    // This first bound is loose; the count of points decides below.
    if (!(len < static_cast<float>((kMaxRopePoints + 2) * kRopePointSpacing))) return;

    Rope& rope = simulation.ropes.emplace_back();

    // Points every 0.35 units from a. The parameter advances in double but is
    // kept in 32 bits, as the count of points depends on its rounding.
    const double step = kRopePointSpacing / static_cast<double>(len);
    for (float t = 0.0f; t < 1.0f; t = static_cast<float>(static_cast<double>(t) + step)) {
        Mass& m = rope.masses.emplace_back();
        m.position = a + dir * t;
        m.mass = kRopePointMass;
        m.fixed = true;
    }
    // The level reader takes no longer rope, so neither does the game.
    if (rope.masses.size() >= static_cast<std::size_t>(kMaxRopePoints)) {
        simulation.ropes.pop_back();
        return;
    }
    Mass& end = rope.masses.emplace_back();
    end.position = b;
    end.mass = kRopePointMass;
    end.fixed = true;

    // Rest length by the number of masses, not of springs, so a new rope is a
    // little shorter than the gap and hangs taut.
    int n = static_cast<int>(rope.masses.size());
    float rest = len / static_cast<float>(n);
    for (int i = 0; i < n - 1; ++i) {
        Spring& s = rope.springs.emplace_back();
        s.active = true;
        s.restLength = rest;
        s.first = i;
        s.second = i + 1;
    }
}

void Rope::solveSpring(int i)
{
    Spring& spring = springs[i];
    if (!spring.active) return;
    // Springs read from a level file may name masses the rope does not have.
    const int count = static_cast<int>(masses.size());
    if (spring.first < 0 || spring.first >= count || spring.second < 0 || spring.second >= count) return;
    Mass& a = masses[spring.first];
    Mass& b = masses[spring.second];
    float d = distance(b.position, a.position);
    // A rope snaps at most once; the snapping spring still acts this time.
    if (!broken && spring.restLength * kSnapRatio < d) {
        spring.active = false;
        broken = true;
    }
    applySpringForce(spring, a, b, d);
}

void Rope::simulate(float dt, Vector2D gravity)
{
    // All spring forces are summed before any point moves.
    int springCount = static_cast<int>(springs.size());
    for (int i = 0; i < springCount; ++i) solveSpring(i);

    // Each point is integrated right after its own gravity and drag.
    for (Mass& m : masses) {
        m.applyForce(gravity * m.mass);
        m.applyForce(-m.velocity * kRopeDrag);
        m.simulate(dt);
    }
}
