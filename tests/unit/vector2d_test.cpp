#include "physics/vector2d.h"

#include <gtest/gtest.h>

TEST(Vector2D, DivisionByZeroGivesZeroVectorAndLengthIsEuclidean)
{
    Vector2D a(3, 4);
    Vector2D q = a / 0.0f;
    EXPECT_EQ(q.x, 0.0f);
    EXPECT_EQ(q.y, 0.0f);
    EXPECT_FLOAT_EQ(length(a), 5.0f);
    Vector2D b(-1, 2.5f);
    EXPECT_EQ(distance(a, b), distance(b, a));
    EXPECT_FLOAT_EQ(dot(a, b), 7.0f);
    Vector2D c = a;
    Vector2D r = (c += b);
    EXPECT_FLOAT_EQ(c.x, 2.0f);
    EXPECT_FLOAT_EQ(r.y, 6.5f);
    EXPECT_FLOAT_EQ((-a).x, -3.0f);
}

TEST(Vector2D, ClosestPointClampsToSegmentEnds)
{
    Vector2D a(0, 0), b(2, 0);
    Vector2D beyond = closestPointOnSegment(a, b, {5, 1});
    EXPECT_EQ(beyond.x, 2.0f);
    EXPECT_EQ(beyond.y, 0.0f);
    Vector2D behind = closestPointOnSegment(a, b, {-1, 3});
    EXPECT_EQ(behind.x, 0.0f);
    EXPECT_EQ(behind.y, 0.0f);
    Vector2D inside = closestPointOnSegment(a, b, {0.5f, 1});
    EXPECT_FLOAT_EQ(inside.x, 0.5f);
    EXPECT_FLOAT_EQ(inside.y, 0.0f);
    for (Vector2D p : {Vector2D(1, 1), Vector2D(-3, 0), Vector2D(0, 0)}) {
        Vector2D same = closestPointOnSegment({1, 1}, {1, 1}, p);
        EXPECT_EQ(same.x, 1.0f);
        EXPECT_EQ(same.y, 1.0f);
    }
}
