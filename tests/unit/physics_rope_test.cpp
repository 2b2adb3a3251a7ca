#include <gtest/gtest.h>

#include <cmath>

#include "physics/constants.h"
#include "physics/simulation.h"

TEST(AddRope, RefusesDegenerateAndShortSpans)
{
    Simulation sim;
    addRope({1.0f, 1.0f}, {1.0f, 1.0f}, sim);
    addRope({0.0f, 0.0f}, {0.1f, 0.0f}, sim);
    addRope({0.0f, 0.0f}, {0.05f, 0.05f}, sim);
    EXPECT_TRUE(sim.ropes.empty());

    // Just over the shortest rope and up to one spacing: the two ends only.
    addRope({0.0f, 0.0f}, {0.3f, 0.0f}, sim);
    ASSERT_EQ(sim.ropes.size(), 1u);
    const Rope& r = sim.ropes[0];
    ASSERT_EQ(r.masses.size(), 2u);
    ASSERT_EQ(r.springs.size(), 1u);
    EXPECT_FLOAT_EQ(r.springs[0].restLength, 0.15f);
    EXPECT_FLOAT_EQ(r.masses[1].position.x, 0.3f);
    EXPECT_TRUE(r.masses[0].fixed && r.masses[1].fixed);
}

TEST(AddRope, UnitSpanGivesFourPinnedPointsAndQuarterRestLength)
{
    Simulation sim;
    addRope({0.0f, 0.0f}, {1.0f, 0.0f}, sim);
    ASSERT_EQ(sim.ropes.size(), 1u);
    const Rope& r = sim.ropes.back();
    EXPECT_FALSE(r.broken);
    ASSERT_EQ(r.masses.size(), 4u);
    const float xs[] = {0.0f, 0.35f, 0.7f, 1.0f};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(r.masses[i].position.x, xs[i], 1e-6f) << i;
        EXPECT_EQ(r.masses[i].position.y, 0.0f);
        EXPECT_TRUE(r.masses[i].fixed) << i;
        EXPECT_EQ(r.masses[i].mass, 1.0f);
    }
    EXPECT_EQ(r.masses[0].position.x, 0.0f);
    EXPECT_EQ(r.masses[3].position.x, 1.0f);
    ASSERT_EQ(r.springs.size(), 3u);
    for (int j = 0; j < 3; ++j) {
        EXPECT_TRUE(r.springs[j].active);
        EXPECT_EQ(r.springs[j].first, j);
        EXPECT_EQ(r.springs[j].second, j + 1);
        EXPECT_FLOAT_EQ(r.springs[j].restLength, 0.25f);
    }
}

TEST(AddRope, LongRopesSpacePointsByPointThreeFiveAlongTheSpan)
{
    Simulation sim;
    const Vector2D a(-1.5f, 1.0f), b(1.5f, -1.0f);
    addRope(a, b, sim);
    ASSERT_EQ(sim.ropes.size(), 1u);
    const Rope& r = sim.ropes[0];
    const float len = distance(a, b);
    const size_t n = r.masses.size();
    EXPECT_EQ(n, static_cast<size_t>(std::ceil(len / 0.35f)) + 1);
    for (size_t i = 0; i + 2 < n; ++i)
        EXPECT_NEAR(distance(r.masses[i].position, r.masses[i + 1].position), 0.35f, 1e-5f) << i;
    const float last = distance(r.masses[n - 2].position, r.masses[n - 1].position);
    EXPECT_GT(last, 0.0f);
    EXPECT_LE(last, 0.35f + 1e-5f);
    EXPECT_FLOAT_EQ(r.springs[0].restLength, len / static_cast<float>(n));
    EXPECT_EQ(r.masses.back().position.x, b.x);
    EXPECT_EQ(r.masses.back().position.y, b.y);

    // A second rope is appended after the first.
    addRope({0.0f, 0.0f}, {0.0f, 1.0f}, sim);
    EXPECT_EQ(sim.ropes.size(), 2u);
}

TEST(AddRope, HostileSpansAddNothingInsteadOfStalling)
{
    Simulation sim;
    addRope({-1e30f, 0.0f}, {1e30f, 0.0f}, sim);
    addRope({0.0f, 0.0f}, {1e7f, 0.0f}, sim);
    addRope({0.0f, 0.0f}, {std::nanf(""), 1.0f}, sim);
    addRope({0.0f, 0.0f}, {INFINITY, 0.0f}, sim);
    EXPECT_TRUE(sim.ropes.empty());
    addRope({0.0f, 0.0f}, {100.0f, 0.0f}, sim);
    EXPECT_EQ(sim.ropes.size(), 1u);
}

namespace {
// Two pinned points joined by one spring of the given rest length.
Rope twoPointRope(float gap, float rest = 0.25f)
{
    Rope r;
    r.masses.resize(2);
    r.masses[0].fixed = r.masses[1].fixed = true;
    r.masses[1].position = {gap, 0.0f};
    Spring s;
    s.restLength = rest;
    s.first = 0;
    s.second = 1;
    r.springs.push_back(s);
    return r;
}
} // namespace

TEST(Snapping, RopeSnapsOnceBeyondThreeTimesRestLength)
{
    // 0.1 is not exact in binary: three times it is 0.3f in 32-bit float
    // arithmetic, but a little less than 0.3f in double. The limit is the
    // float product, so a gap of exactly 0.3f holds.
    Rope exact = twoPointRope(0.3f, 0.1f);
    exact.simulate(1.0f);
    EXPECT_TRUE(exact.springs[0].active);
    EXPECT_FALSE(exact.broken);

    Rope beyond = twoPointRope(std::nextafter(0.3f, 1.0f), 0.1f);
    beyond.solveSpring(0);
    EXPECT_FALSE(beyond.springs[0].active);
    EXPECT_TRUE(beyond.broken);
    // The snapping spring still acts in that call.
    EXPECT_GT(beyond.masses[0].force.x, 0.15f);
    // Once snapped it no longer acts.
    beyond.masses[0].force = {};
    beyond.solveSpring(0);
    EXPECT_EQ(beyond.masses[0].force.x, 0.0f);

    // A rope snaps at most once, however far its other springs stretch.
    Rope chain;
    chain.masses.resize(3);
    for (Mass& m : chain.masses) m.fixed = true;
    chain.masses[1].position = {1.0f, 0.0f};
    chain.masses[2].position = {2.0f, 0.0f};
    for (int j = 0; j < 2; ++j) {
        Spring s;
        s.restLength = 0.25f;
        s.first = j;
        s.second = j + 1;
        chain.springs.push_back(s);
    }
    chain.simulate(1.0f);
    EXPECT_FALSE(chain.springs[0].active);
    EXPECT_TRUE(chain.springs[1].active);
    chain.simulate(1.0f);
    EXPECT_TRUE(chain.springs[1].active);
    // All points were pinned: nothing moved although the springs were solved.
    EXPECT_EQ(chain.masses[1].position.x, 1.0f);
    EXPECT_EQ(chain.masses[1].velocity.x, 0.0f);
}

TEST(RopeStep, FreeInnerPointSagsWhileEndsStayPinned)
{
    Simulation sim;
    addRope({-1.0f, 0.0f}, {1.0f, 0.0f}, sim);
    Rope& r = sim.ropes[0];
    for (size_t i = 1; i + 1 < r.masses.size(); ++i) r.masses[i].fixed = false;
    for (int k = 0; k < 150; ++k) r.simulate(1.0f / 3.0f);
    EXPECT_EQ(r.masses.front().position.x, -1.0f);
    EXPECT_EQ(r.masses.front().position.y, 0.0f);
    EXPECT_EQ(r.masses.back().position.y, 0.0f);
    EXPECT_LT(r.masses[r.masses.size() / 2].position.y, -0.01f);

    // Springs naming masses the rope lacks (a damaged level) are passed over.
    r.springs.push_back(Spring{true, 0.1f, 0, 99});
    r.simulate(1.0f);
    EXPECT_TRUE(r.springs.back().active);
}
