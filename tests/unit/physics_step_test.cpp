#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "physics/constants.h"
#include "physics/simulation.h"

// A ball driven into the right wall faster than the speed box, with a free
// rope point inside its contact margin, stepped once with dt 1. Worked out by
// hand in the order of the step:
//   walls:   v.x 0.5 into the wall -> -0.5; depth 0.1 -> -5        force.x -5.5
//   balls:   self-pair drag 2 * 0.03 * 0.5                         force.x -5.53
//   rope:    point 0.34 away, depth 0.01, towards the ball's
//            predicted position (+x): ball +0.01, point -0.01      force.x -5.52
//            the point then falls: v (-0.01, -0.01), moves to (1.45, -0.01)
//   ball:    gravity (0, -0.01), drag -0.01 * 0.5 (of the unclipped speed)
//            force (-5.525, -0.01); speed box 0.5 -> 0.3 before the force:
//            v = (0.3 - 5.525, -0.01), position = (1.8 - 5.225, -0.01)
TEST(WorldStep, ContactsSeeLastPositionsAndTheSpeedBoxComesBeforeTheForce)
{
    Simulation sim;
    Ball& ball = sim.balls.emplace_back();
    ball.position = {1.8f, 0.0f};
    ball.velocity = {0.5f, 0.0f};
    ball.radius = 0.3f;
    ball.mass = 1.0f;
    Rope& rope = sim.ropes.emplace_back();
    Mass& point = rope.masses.emplace_back();
    point.position = {1.46f, 0.0f};

    sim.step(1.0f);

    const Ball& b = sim.balls[0];
    EXPECT_NEAR(b.velocity.x, -5.225f, 1e-5f);
    EXPECT_NEAR(b.velocity.y, -0.01f, 1e-7f);
    EXPECT_NEAR(b.position.x, -3.425f, 1e-5f);
    EXPECT_NEAR(b.position.y, -0.01f, 1e-7f);
    EXPECT_EQ(b.force.x, 0.0f);
    const Mass& p = sim.ropes[0].masses[0];
    EXPECT_NEAR(p.velocity.x, -0.01f, 1e-6f);
    EXPECT_NEAR(p.velocity.y, -0.01f, 1e-7f);
    EXPECT_NEAR(p.position.x, 1.45f, 1e-6f);
    EXPECT_NEAR(p.position.y, -0.01f, 1e-7f);
    EXPECT_EQ(p.force.y, 0.0f);
}

TEST(WorldStep, ZeroStepMovesNothingButClearsClipsZeroesAndSnaps)
{
    Simulation empty;
    empty.step(1.0f);
    EXPECT_TRUE(empty.balls.empty() && empty.ropes.empty());

    Simulation sim;
    Ball& free = sim.balls.emplace_back();
    free.velocity = {0.9f, -0.9f};
    Ball& held = sim.balls.emplace_back();
    held.position = {1.0f, 1.0f};
    held.velocity = {0.1f, 0.1f};
    held.held = true;
    Rope& rope = sim.ropes.emplace_back();
    rope.masses.resize(2);
    rope.masses[0].fixed = true;
    rope.masses[0].velocity = {1.0f, 0.0f};
    rope.masses[1].position = {1.0f, -1.0f};
    rope.springs.push_back(Spring{true, 0.1f, 0, 1});

    sim.step(0.0f);

    EXPECT_EQ(sim.balls[0].position.x, 0.0f);
    EXPECT_FLOAT_EQ(sim.balls[0].velocity.x, 0.3f);
    EXPECT_FLOAT_EQ(sim.balls[0].velocity.y, -0.3f);
    EXPECT_EQ(sim.balls[0].force.x, 0.0f);
    EXPECT_EQ(sim.balls[1].velocity.x, 0.0f);
    EXPECT_EQ(sim.balls[1].position.x, 1.0f);
    EXPECT_EQ(sim.ropes[0].masses[0].velocity.x, 0.0f);
    EXPECT_EQ(sim.ropes[0].masses[1].position.x, 1.0f);
    EXPECT_EQ(sim.ropes[0].masses[1].force.x, 0.0f);
    EXPECT_FALSE(sim.ropes[0].springs[0].active);
    EXPECT_TRUE(sim.ropes[0].broken);
}

TEST(WorldStep, FreeBallFallsAndComesToRestOnTheBottomWall)
{
    Simulation sim;
    Ball& b = sim.balls.emplace_back();
    b.position = {0.5f, 1.0f};
    b.radius = 0.3f;

    // First step from rest: only gravity has anything to act on.
    sim.step(1.0f);
    EXPECT_FLOAT_EQ(sim.balls[0].velocity.y, -0.01f);
    EXPECT_FLOAT_EQ(sim.balls[0].position.y, 0.99f);

    // The play mode's step: a third of a frame at half speed.
    const float playStep = (1.0f / static_cast<float>(kSubSteps)) * kPlayTimeScale;
    float lowest = 1.0f;
    for (int i = 0; i < 6000; ++i) {
        sim.step(playStep);
        lowest = std::min(lowest, sim.balls[0].position.y);
    }
    EXPECT_GT(lowest, -2.0f);
    EXPECT_NEAR(sim.balls[0].position.y, -1.7f, 0.01f);
    EXPECT_NEAR(sim.balls[0].velocity.y, 0.0f, 1e-3f);
    EXPECT_FLOAT_EQ(sim.balls[0].position.x, 0.5f);
}

TEST(WorldStep, RopeWithFreeInnerPointsSagsUnderAHeldBallAndPassesThroughOthers)
{
    Simulation sim;
    Ball& b = sim.balls.emplace_back();
    b.held = true;
    b.position = {0.0f, 1.5f};
    addRope({-1.0f, 0.0f}, {1.0f, 0.0f}, sim);
    addRope({0.0f, -1.0f}, {0.0f, 1.0f}, sim);
    for (Rope& r : sim.ropes)
        for (size_t i = 1; i + 1 < r.masses.size(); ++i) r.masses[i].fixed = false;
    for (int i = 0; i < 600; ++i) sim.step(1.0f / 3.0f);
    const Rope& across = sim.ropes[0];
    EXPECT_LT(across.masses[across.masses.size() / 2].position.y, -0.05f);
    EXPECT_EQ(across.masses.front().position.y, 0.0f);
    EXPECT_EQ(sim.balls[0].position.y, 1.5f);
    // Ropes do not collide: the crossing points keep to their own rope's line.
    const Rope& upright = sim.ropes[1];
    for (const Mass& m : upright.masses) EXPECT_NEAR(m.position.x, 0.0f, 1e-6f);
    EXPECT_FALSE(across.broken || upright.broken);
}

namespace {
Simulation busyWorld()
{
    Simulation sim;
    sim.size = {3.0f, 2.0f};
    for (int i = 0; i < 3; ++i) {
        Ball& b = sim.balls.emplace_back();
        b.position = {-1.0f + i * 0.9f, 1.2f};
        b.velocity = {0.05f * i, 0.0f};
        b.radius = 0.25f + 0.05f * i;
    }
    for (int i = 0; i < 4; ++i) {
        Line& l = sim.lines.emplace_back();
        l.ends[0] = {-2.5f + i * 1.2f, -1.0f + 0.3f * i};
        l.ends[1] = {-1.5f + i * 1.2f, -1.4f + 0.2f * i};
    }
    addRope({-2.0f, 0.5f}, {2.0f, 0.3f}, sim);
    addRope({-1.0f, 1.8f}, {-0.5f, -1.5f}, sim);
    for (Rope& r : sim.ropes)
        for (size_t i = 1; i + 1 < r.masses.size(); ++i) r.masses[i].fixed = false;
    return sim;
}

template <typename F> void forEachFloat(const Simulation& sim, F f)
{
    for (const Ball& b : sim.balls) {
        f(b.position.x), f(b.position.y), f(b.velocity.x), f(b.velocity.y);
    }
    for (const Rope& r : sim.ropes)
        for (const Mass& m : r.masses) f(m.position.x), f(m.position.y), f(m.velocity.x), f(m.velocity.y);
}
} // namespace

TEST(WorldStep, SameWorldSteppedTwiceGivesBitIdenticalPositions)
{
    Simulation a = busyWorld();
    Simulation b = busyWorld();
    for (int i = 0; i < 10000; ++i) {
        a.step(1.0f / 3.0f);
        b.step(1.0f / 3.0f);
    }
    std::vector<std::uint32_t> bitsA, bitsB;
    auto collect = [](std::vector<std::uint32_t>& out) {
        return [&out](float v) {
            std::uint32_t u;
            std::memcpy(&u, &v, sizeof u);
            out.push_back(u);
        };
    };
    forEachFloat(a, collect(bitsA));
    forEachFloat(b, collect(bitsB));
    EXPECT_EQ(bitsA, bitsB);
    // And the world did not blow up on the way.
    forEachFloat(a, [](float v) { EXPECT_TRUE(std::isfinite(v)); });
}

TEST(WorldSettings, GravityAndSpeedCapAreTheWorldsOwn)
{
    // Two worlds with one free ball each; only their settings differ.
    auto fall = [](Vector2D gravity, float cap, Vector2D start) {
        Simulation world;
        world.size = {100.0f, 100.0f};
        world.gravity = gravity;
        world.maxBallSpeed = cap;
        Ball& ball = world.balls.emplace_back();
        ball.velocity = start;
        for (int i = 0; i < 30; ++i) world.step(1.0f);
        return world.balls[0];
    };
    const Ball still = fall({0.0f, 0.0f}, kMaxBallSpeed, {});
    EXPECT_EQ(still.position.y, 0.0f) << "no gravity, no fall";
    const Ball sideways = fall({0.01f, 0.0f}, kMaxBallSpeed, {});
    EXPECT_GT(sideways.position.x, 0.0f);
    EXPECT_EQ(sideways.position.y, 0.0f);

    // The cap clips what the ball carries into a step: a fast start is held
    // to the world's own box.
    const Ball slow = fall({0.0f, 0.0f}, 0.05f, {1.0f, 0.0f});
    const Ball fast = fall({0.0f, 0.0f}, kMaxBallSpeed, {1.0f, 0.0f});
    EXPECT_LT(slow.position.x, 30 * 0.05f + 1.0f);
    EXPECT_GT(fast.position.x, 30 * 0.05f + 1.0f);

    Simulation fresh;
    EXPECT_EQ(fresh.gravity.y, kGravity.y);
    EXPECT_EQ(fresh.maxBallSpeed, kMaxBallSpeed);
    EXPECT_EQ(fresh.subSteps, kSubSteps);
}

// A hostile level can hold a body that is not a number or lies at infinity.
// Its distance to anything is NaN or infinite, which must count as no
// contact, so it never spreads to the balls and rope points around it.
TEST(WorldStep, ANaNBallAndAnInfiniteBallLeaveEveryOtherBodyFinite)
{
    Simulation sim = busyWorld();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // Both sit over the first rope and near the other balls.
    Ball& lost = sim.balls.emplace_back();
    lost.position = {0.0f, nan};
    lost.radius = 0.4f;
    Ball& far = sim.balls.emplace_back();
    far.position = {inf, 0.4f};
    far.velocity = {-inf, 0.0f};
    far.radius = 0.4f;
    for (int i = 0; i < 10000; ++i) sim.step(1.0f / 3.0f);

    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(std::isfinite(sim.balls[i].position.x) && std::isfinite(sim.balls[i].position.y)) << i;
        EXPECT_TRUE(std::isfinite(sim.balls[i].velocity.x) && std::isfinite(sim.balls[i].velocity.y)) << i;
    }
    for (const Rope& r : sim.ropes)
        for (const Mass& m : r.masses) {
            ASSERT_TRUE(std::isfinite(m.position.x) && std::isfinite(m.position.y));
            ASSERT_TRUE(std::isfinite(m.velocity.x) && std::isfinite(m.velocity.y));
        }
}
