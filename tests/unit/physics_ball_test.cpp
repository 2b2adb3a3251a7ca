#include <gtest/gtest.h>

#include "physics/ball.h"
#include "physics/simulation.h"
#include "ui/ball_mesh.h"

TEST(BallIntegration, HeldBallStaysPutWithZeroVelocityAndForce)
{
    Ball b;
    b.held = true;
    b.position = {0.4f, -0.7f};
    b.velocity = {0.2f, 0.1f};
    b.applyForce({9.0f, -9.0f});
    for (int i = 0; i < 3; ++i) b.simulate(1.0f);
    EXPECT_EQ(b.position.x, 0.4f);
    EXPECT_EQ(b.position.y, -0.7f);
    EXPECT_EQ(b.velocity.x, 0.0f);
    EXPECT_EQ(b.velocity.y, 0.0f);
    EXPECT_EQ(b.force.x, 0.0f);
    EXPECT_EQ(b.force.y, 0.0f);
}

TEST(BallIntegration, SpeedBoxClipsEachAxisBeforeThisStepsForce)
{
    Ball fast;
    fast.velocity = {0.5f, -0.5f};
    fast.simulate(1.0f);
    EXPECT_FLOAT_EQ(fast.velocity.x, 0.3f);
    EXPECT_FLOAT_EQ(fast.velocity.y, -0.3f);
    EXPECT_FLOAT_EQ(fast.position.x, 0.3f);
    EXPECT_FLOAT_EQ(fast.position.y, -0.3f);

    // This step's acceleration may carry it past the box; the next step clips.
    Ball pushed;
    pushed.velocity = {0.3f, 0.0f};
    pushed.applyForce({0.1f, 0.0f});
    pushed.simulate(1.0f);
    EXPECT_FLOAT_EQ(pushed.velocity.x, 0.4f);
    EXPECT_FLOAT_EQ(pushed.position.x, 0.4f);
    pushed.simulate(0.5f);
    EXPECT_FLOAT_EQ(pushed.velocity.x, 0.3f);
    EXPECT_FLOAT_EQ(pushed.position.x, 0.55f);

    // A box, not a circle: the diagonal keeps 0.3 on both axes.
    Ball diagonal;
    diagonal.velocity = {1.0f, 1.0f};
    diagonal.simulate(0.0f);
    EXPECT_FLOAT_EQ(diagonal.velocity.x, 0.3f);
    EXPECT_FLOAT_EQ(diagonal.velocity.y, 0.3f);
}

TEST(BallIntegration, MasslessBallIsNeverAcceleratedButKeepsItsLimitedSpeed)
{
    Simulation sim;
    sim.size = {100.0f, 100.0f};
    Ball& b = sim.balls.emplace_back();
    b.mass = 0.0f;
    b.velocity = {0.5f, 0.0f};
    sim.step(1.0f);
    EXPECT_FLOAT_EQ(b.velocity.x, 0.3f);
    EXPECT_EQ(b.velocity.y, 0.0f); // no gravity either
    EXPECT_FLOAT_EQ(b.position.x, 0.3f);
    sim.step(1.0f);
    EXPECT_FLOAT_EQ(b.position.x, 0.6f);
    EXPECT_EQ(b.position.y, 0.0f);
}

TEST(BallMesh, EveryBallIsDrawnWithOneTwentySegmentFan)
{
    Ball b;
    EXPECT_EQ(b.mass, 1.0f);
    EXPECT_FALSE(b.held);
    const BallMesh& m = ballMesh();
    EXPECT_EQ(&m, &ballMesh()) << "built once, shared by every ball";
    ASSERT_EQ(m.vertices.size(), 20u);
    ASSERT_EQ(m.texCoords.size(), 20u);
    ASSERT_EQ(m.polygons.size(), 18u);

    EXPECT_EQ(m.vertices[0].x, 1.0f);
    EXPECT_EQ(m.vertices[0].y, 0.0f);
    // The degree conversion is a little short of pi / 180.
    EXPECT_NEAR(m.vertices[5].x, 0.0f, 1e-4f);
    EXPECT_NE(m.vertices[5].x, 0.0f);
    EXPECT_NEAR(m.vertices[5].y, 1.0f, 1e-6f);
    EXPECT_FLOAT_EQ(m.texCoords[5].x, 0.5f * m.vertices[5].x + 0.5f);
    EXPECT_FLOAT_EQ(m.texCoords[10].x, 0.0f);

    for (int i = 0; i < 18; ++i) {
        const BallMesh::Polygon& p = m.polygons[i];
        EXPECT_EQ(p.vertexIndex[0], 0);
        EXPECT_EQ(p.vertexIndex[1], i + 1);
        EXPECT_EQ(p.vertexIndex[2], i + 2);
        EXPECT_EQ(p.texCoordIndex[2], i + 2);
        Vector2D e1 = m.vertices[p.vertexIndex[1]] - m.vertices[0];
        Vector2D e2 = m.vertices[p.vertexIndex[2]] - m.vertices[0];
        EXPECT_GT(e1.x * e2.y - e1.y * e2.x, 0.0f) << "triangle " << i << " is not counter-clockwise";
    }

    BallMesh empty;
    empty.build(0);
    EXPECT_TRUE(empty.vertices.empty());
}
