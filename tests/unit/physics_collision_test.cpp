#include <gtest/gtest.h>

#include <cmath>

#include "physics/collision.h"
#include "physics/simulation.h"

namespace {
Ball& addBall(Simulation& sim, Vector2D position, Vector2D velocity = {}, float radius = 0.3f)
{
    Ball& b = sim.balls.emplace_back();
    b.position = position;
    b.velocity = velocity;
    b.radius = radius;
    return b;
}

void addLine(Simulation& sim, Vector2D a, Vector2D b)
{
    Line& l = sim.lines.emplace_back();
    l.ends[0] = a;
    l.ends[1] = b;
}
} // namespace

TEST(WallContact, CancelsInwardSpeedAndPushesFiftyTimesTheDepth)
{
    Simulation sim;
    Ball& in = addBall(sim, {1.8f, 0.0f}, {0.1f, 0.0f});
    collideWithBounds(in, sim);
    EXPECT_NEAR(in.force.x, -0.1f - 5.0f, 1e-5f);
    EXPECT_EQ(in.force.y, 0.0f);

    // Moving away from the wall: only the penalty.
    Ball& out = addBall(sim, {1.8f, 0.0f}, {-0.1f, 0.0f});
    collideWithBounds(out, sim);
    EXPECT_NEAR(out.force.x, -5.0f, 1e-5f);

    // Exactly touching is not a contact.
    Ball& touching = addBall(sim, {1.5f, -1.5f}, {0.2f, -0.2f}, 0.5f);
    collideWithBounds(touching, sim);
    EXPECT_EQ(touching.force.x, 0.0f);
    EXPECT_EQ(touching.force.y, 0.0f);
}

TEST(WallContact, CornerGivesBothWallsForcesInOneStep)
{
    Simulation sim;
    Ball& topRight = addBall(sim, {1.8f, 1.9f}, {0.1f, 0.2f});
    collideWithBounds(topRight, sim);
    EXPECT_NEAR(topRight.force.x, -5.1f, 1e-5f);
    EXPECT_NEAR(topRight.force.y, -10.2f, 1e-5f);

    Ball& bottomLeft = addBall(sim, {-1.8f, -1.9f}, {-0.1f, -0.2f});
    collideWithBounds(bottomLeft, sim);
    EXPECT_NEAR(bottomLeft.force.x, 5.1f, 1e-5f);
    EXPECT_NEAR(bottomLeft.force.y, 10.2f, 1e-5f);
}

TEST(LineContact, PenaltyAndSpeedScaledBounceAwayFromTheLine)
{
    Simulation sim;
    addLine(sim, {-1.0f, 0.0f}, {1.0f, 0.0f});
    Ball& resting = addBall(sim, {0.0f, 0.25f});
    collideWithLines(resting, sim);
    EXPECT_EQ(resting.force.x, 0.0f);
    EXPECT_NEAR(resting.force.y, 30.0f * 0.05f * 0.25f, 1e-6f);

    Ball& falling = addBall(sim, {0.0f, 0.25f}, {0.2f, -0.1f});
    collideWithLines(falling, sim);
    EXPECT_EQ(falling.force.x, 0.0f); // no offset along x, whatever the speed
    EXPECT_NEAR(falling.force.y, 0.375f + 0.25f / 0.3f * 0.1f, 1e-6f);

    // Touching counts: no depth, only the bounce.
    Ball& grazing = addBall(sim, {0.0f, -0.5f}, {0.0f, 0.2f}, 0.5f);
    collideWithLines(grazing, sim);
    EXPECT_FLOAT_EQ(grazing.force.y, -0.2f);

    // A centre exactly on the line gets nothing, even with radius 0.
    // (Checked before the next ball is added: adding may move the balls.)
    Ball& onLine = addBall(sim, {0.5f, 0.0f}, {0.1f, 0.1f});
    collideWithLines(onLine, sim);
    EXPECT_EQ(onLine.force.y, 0.0f);
    Ball& point = addBall(sim, {0.5f, 0.0f}, {0.1f, 0.1f}, 0.0f);
    collideWithLines(point, sim);
    EXPECT_EQ(point.force.x, 0.0f);
    EXPECT_EQ(point.force.y, 0.0f);
}

TEST(LineContact, BallNearAnEndIsPushedAwayFromTheEndNotAlongTheNormal)
{
    Simulation sim;
    addLine(sim, {0.0f, 0.0f}, {1.0f, 0.0f});
    addLine(sim, {5.0f, 5.0f}, {6.0f, 5.0f}); // far away: adds nothing
    Ball& b = addBall(sim, {-0.2f, 0.1f});
    collideWithLines(b, sim);
    const float d = std::sqrt(0.05f);
    EXPECT_NEAR(b.force.x, -0.2f * 30.0f * (0.3f - d), 1e-6f);
    EXPECT_NEAR(b.force.y, 0.1f * 30.0f * (0.3f - d), 1e-6f);
    EXPECT_NEAR(b.force.x / b.force.y, -2.0f, 1e-4f);
}

TEST(BallContact, EveryBallDragsItselfTwiceThroughTheSelfPair)
{
    Simulation sim;
    Ball& b = addBall(sim, {0.3f, -0.4f}, {0.2f, -0.1f});
    collideBalls(0, sim);
    EXPECT_FLOAT_EQ(b.force.x, -0.06f * 0.2f);
    EXPECT_FLOAT_EQ(b.force.y, 0.06f * 0.1f);
}

TEST(BallContact, OverlappingBallsPushApartWithStiffnessOneAndPairOnce)
{
    Simulation sim;
    addBall(sim, {0.0f, 0.0f});
    addBall(sim, {0.5f, 0.0f});
    addBall(sim, {1.1f, 0.0f}); // touches ball 1 exactly: counts, pushes nothing
    for (int i = 0; i < 3; ++i) collideBalls(i, sim);
    EXPECT_NEAR(sim.balls[0].force.x, -0.1f, 1e-6f);
    EXPECT_NEAR(sim.balls[1].force.x, 0.1f, 1e-6f);
    EXPECT_EQ(sim.balls[2].force.x, 0.0f);
    EXPECT_EQ(sim.balls[0].force.y, 0.0f);

    // A moving pair also shares the drag of 0.03 each on top of the self-pair.
    Simulation moving;
    addBall(moving, {0.0f, 0.0f}, {0.1f, 0.0f});
    addBall(moving, {0.0f, 0.5f}, {0.0f, 0.0f});
    collideBalls(0, moving);
    EXPECT_NEAR(moving.balls[0].force.x, -0.09f * 0.1f, 1e-7f);
    EXPECT_NEAR(moving.balls[0].force.y, -0.1f, 1e-6f);
    EXPECT_NEAR(moving.balls[1].force.y, 0.1f, 1e-6f);
}

TEST(RopeContact, PointsWithinMarginOfTheRadiusPushAlongPredictedPositions)
{
    Simulation sim;
    addBall(sim, {0.0f, 0.0f});
    Rope& rope = sim.ropes.emplace_back();
    rope.masses.resize(2);
    rope.masses[0].position = {0.34f, 0.0f};
    rope.masses[1].position = {0.0f, -0.36f};
    collideBallsWithRopes(rope, sim);
    EXPECT_NEAR(sim.balls[0].force.x, -0.01f, 1e-6f);
    EXPECT_NEAR(sim.balls[0].force.y, 0.0f, 1e-7f);
    EXPECT_NEAR(rope.masses[0].force.x, 0.01f, 1e-6f);
    EXPECT_EQ(rope.masses[1].force.x, 0.0f); // 0.36 away: no contact
    EXPECT_EQ(rope.masses[1].force.y, 0.0f);

    // The direction is taken between where both would be a time unit ahead.
    Simulation ahead;
    addBall(ahead, {0.0f, 0.0f}, {0.0f, 1.0f});
    Rope& r2 = ahead.ropes.emplace_back();
    Mass& p = r2.masses.emplace_back();
    p.position = {0.25f, 0.0f};
    p.fixed = true; // still receives the force; its integration discards it
    collideBallsWithRopes(r2, ahead);
    const Vector2D n = Vector2D(-0.25f, 1.0f) / length(Vector2D(-0.25f, 1.0f));
    const float depth = 0.3f - (0.25f - 0.05f);
    EXPECT_NEAR(ahead.balls[0].force.x, n.x * depth, 1e-6f);
    EXPECT_NEAR(ahead.balls[0].force.y, n.y * depth, 1e-6f);
    EXPECT_NEAR(p.force.y, -n.y * depth, 1e-6f);
}
