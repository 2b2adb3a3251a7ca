#include <gtest/gtest.h>

#include "level/world_marks.h"
#include "physics/simulation.h"

TEST(WorldMarks, FitFollowsTheWorldsListsAndKeepsTheMarksThatStillHaveAnElement)
{
    Simulation world;
    addRope({0, 0}, {1, 0}, world);  // four points
    world.balls.resize(2);
    world.lines.resize(1);
    world.vertices.resize(1);
    world.dockPoints.resize(3);

    WorldMarks marks;
    EXPECT_FALSE(marks.ballSelected(1) || marks.massSelected(0, 2) || marks.cornerSelected(0, 2));
    marks.fit(world);
    ASSERT_EQ(marks.ropes.size(), 1u);
    EXPECT_EQ(marks.ropes[0].masses.size(), 4u);
    EXPECT_EQ(marks.balls.size(), 2u);
    EXPECT_EQ(marks.triangles.size(), 1u);
    EXPECT_EQ(marks.dockPoints.size(), 3u);
    marks.balls[0].selected = true;
    marks.ropes[0].masses[3].selected = true;
    marks.dockPoints[2].selected = true;

    // A ball added at the end comes unmarked; the rope losing its last point
    // and the last dock point take their marks with them.
    world.balls.emplace_back();
    world.ropes[0].masses.pop_back();
    world.dockPoints.pop_back();
    marks.fit(world);
    EXPECT_TRUE(marks.ballSelected(0));
    EXPECT_FALSE(marks.ballSelected(2));
    EXPECT_FALSE(marks.massSelected(0, 3));
    world.ropes[0].masses.emplace_back();
    world.dockPoints.emplace_back();
    marks.fit(world);
    EXPECT_FALSE(marks.massSelected(0, 3)) << "a point added again starts unmarked";
    EXPECT_FALSE(marks.dockSelected(2));

    marks.clear();
    EXPECT_TRUE(marks.ropes.empty() && marks.balls.empty() && marks.dockPoints.empty());
}
