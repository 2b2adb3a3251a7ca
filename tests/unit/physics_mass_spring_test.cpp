#include <gtest/gtest.h>

#include "physics/mass.h"
#include "physics/simulation.h"
#include "physics/spring.h"

TEST(MassIntegration, FixedMassIsZeroedInPlaceAndFreeMassUsesNewVelocity)
{
    Mass pinned;
    pinned.fixed = true;
    pinned.position = {0.5f, -0.25f};
    pinned.velocity = {1.0f, 2.0f};
    pinned.applyForce({3.0f, -4.0f});
    pinned.simulate(1.0f);
    EXPECT_EQ(pinned.position.x, 0.5f);
    EXPECT_EQ(pinned.position.y, -0.25f);
    EXPECT_EQ(pinned.velocity.x, 0.0f);
    EXPECT_EQ(pinned.velocity.y, 0.0f);
    EXPECT_EQ(pinned.force.x, 0.0f);
    EXPECT_EQ(pinned.force.y, 0.0f);

    // Semi-implicit: the position moves by the velocity of this very step.
    Mass heavy;
    heavy.mass = 2.0f;
    heavy.applyForce({0.0f, -0.02f});
    heavy.simulate(1.0f);
    EXPECT_FLOAT_EQ(heavy.velocity.y, -0.01f);
    EXPECT_FLOAT_EQ(heavy.position.y, -0.01f);
    EXPECT_EQ(heavy.position.x, 0.0f);
    EXPECT_EQ(heavy.force.y, 0.0f);

    Mass weightless;
    weightless.mass = 0.0f;
    weightless.velocity = {0.1f, 0.0f};
    weightless.applyForce({5.0f, 5.0f});
    weightless.simulate(2.0f);
    EXPECT_FLOAT_EQ(weightless.velocity.x, 0.1f);
    EXPECT_EQ(weightless.velocity.y, 0.0f);
    EXPECT_FLOAT_EQ(weightless.position.x, 0.2f);
}

TEST(SpringLaw, StretchPullsTogetherAndDampingUsesWholeRelativeVelocity)
{
    Mass a, b;
    a.position = {0.0f, 0.0f};
    b.position = {1.0f, 0.0f};
    Spring s;
    s.restLength = 0.5f;
    applySpringForce(s, a, b, distance(a.position, b.position));
    EXPECT_FLOAT_EQ(a.force.x, 0.5f);  // towards b
    EXPECT_FLOAT_EQ(b.force.x, -0.5f); // towards a
    EXPECT_EQ(a.force.y, 0.0f);

    // Compressed: the same law pushes apart; there is no slack.
    Mass c, d;
    d.position = {0.0f, 0.2f};
    applySpringForce(s, c, d, 0.2f);
    EXPECT_FLOAT_EQ(c.force.y, -0.3f);
    EXPECT_FLOAT_EQ(d.force.y, 0.3f);

    // A sideways relative velocity is damped in full, not only along the spring.
    Mass e, f;
    f.position = {0.5f, 0.0f};
    e.velocity = {0.0f, 0.2f};
    applySpringForce(s, e, f, 0.5f);
    EXPECT_FLOAT_EQ(e.force.y, -0.2f);
    EXPECT_FLOAT_EQ(f.force.y, 0.2f);
    EXPECT_EQ(e.force.x, 0.0f);

    // Coincident masses: no direction, only damping.
    Mass g, h;
    applySpringForce(s, g, h, 0.0f);
    EXPECT_EQ(g.force.x, 0.0f);
    EXPECT_EQ(g.force.y, 0.0f);
}

TEST(SimulationDefaults, NewWorldIsTwoByTwoWithExitRadiusAndNoElements)
{
    Simulation sim;
    EXPECT_EQ(sim.size.x, 2.0f);
    EXPECT_EQ(sim.size.y, 2.0f);
    EXPECT_FALSE(sim.noBackdrop);
    EXPECT_FLOAT_EQ(sim.exitRadius, 0.3f);
    EXPECT_EQ(sim.exitPosition.x, 0.0f);
    EXPECT_TRUE(sim.ropes.empty() && sim.balls.empty() && sim.lines.empty());
    EXPECT_TRUE(sim.vertices.empty() && sim.dockPoints.empty());
}
