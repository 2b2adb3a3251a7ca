// Whether lines wall a level's exit off from every ball.
#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "level/level.h"
#include "devtools/exit_reach.h"

namespace {

constexpr float kPi = 3.14159265f;

/// An 8 by 6 area (half-extent 4 by 3) with one ball at the left and the
/// exit at the right. The ball and the exit count as touching from 0.6 apart.
Level openLevel()
{
    Level level;
    level.size = Vector2D(4.0f, 3.0f);
    level.exitPosition = Vector2D(2.0f, 0.0f);
    level.exitRadius = 0.3f;
    level.balls.emplace_back();
    level.balls.back().position = Vector2D(-2.0f, 0.0f);
    level.balls.back().radius = 0.3f;
    return level;
}

void addLine(Level& level, Vector2D a, Vector2D b)
{
    level.lines.emplace_back();
    level.lines.back().ends[0] = a;
    level.lines.back().ends[1] = b;
}

/// A closed polygon of `sides` lines round `centre`, first corner at `turn`.
void addRing(Level& level, Vector2D centre, float radius, int sides, float turn = 0.0f)
{
    auto corner = [&](int k) {
        const float angle = turn + 2.0f * kPi * k / sides;
        return Vector2D(centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle));
    };
    for (int k = 0; k < sides; ++k) addLine(level, corner(k), corner(k + 1));
}

}  // namespace

TEST(ExitReach, AClosedRingOfLinesWallsTheExitInAndAnyGapOpensIt)
{
    Level level = openLevel();
    EXPECT_EQ(reachExit(level), ExitReach::kReachable);

    // A square of four lines, then rings at odd angles whose sides cross the
    // grid diagonally: none may leak between two cells that meet at a corner.
    Level square = openLevel();
    addLine(square, {1.0f, -1.0f}, {3.0f, -1.0f});
    addLine(square, {3.0f, -1.0f}, {3.0f, 1.0f});
    addLine(square, {3.0f, 1.0f}, {1.0f, 1.0f});
    addLine(square, {1.0f, 1.0f}, {1.0f, -1.0f});
    EXPECT_EQ(reachExit(square), ExitReach::kWalledIn);
    for (int sides : {3, 5, 7, 13})
        for (float turn : {0.0f, 0.1f, 0.7854f, 1.3f}) {
            Level ring = openLevel();
            addRing(ring, ring.exitPosition, 1.4f, sides, turn);  // every side beyond touching
            EXPECT_EQ(reachExit(ring), ExitReach::kWalledIn) << sides << " sides, turned " << turn;
        }

    // The square with a gap of 0.1 in its left side is open again.
    square.lines[3].ends[1] = Vector2D(1.0f, -0.9f);
    addLine(square, {1.0f, -1.0f}, {1.0f, -1.0f});
    EXPECT_EQ(reachExit(square), ExitReach::kReachable);
}

TEST(ExitReach, LinesAlongTheWallsCloseAndTheBallCanBeTheOneWalledIn)
{
    // Two lines and the right and bottom walls; then the same with four lines,
    // two of them lying exactly on the walls.
    Level corner = openLevel();
    corner.exitPosition = Vector2D(3.3f, -2.3f);
    addLine(corner, {2.0f, -3.0f}, {2.0f, -1.0f});
    addLine(corner, {2.0f, -1.0f}, {4.0f, -1.0f});
    EXPECT_EQ(reachExit(corner), ExitReach::kWalledIn);
    addLine(corner, {4.0f, -1.0f}, {4.0f, -3.0f});
    addLine(corner, {4.0f, -3.0f}, {2.0f, -3.0f});
    EXPECT_EQ(reachExit(corner), ExitReach::kWalledIn);

    // A line from wall to wall cuts the area in two.
    Level split = openLevel();
    addLine(split, {0.0f, -3.0f}, {0.0f, 3.0f});
    EXPECT_EQ(reachExit(split), ExitReach::kWalledIn);
    // One that stops short of the wall leaves a way round it.
    split.lines[0].ends[1] = Vector2D(0.0f, 2.5f);
    EXPECT_EQ(reachExit(split), ExitReach::kReachable);
    // A line lying outside the area on the wall's far side closes nothing.
    Level beyond = openLevel();
    addLine(beyond, {0.0f, -5.0f}, {0.0f, -3.5f});
    EXPECT_EQ(reachExit(beyond), ExitReach::kReachable);

    // The ball in a ring of its own; a second, free ball still reaches the exit.
    Level caged = openLevel();
    addRing(caged, caged.balls[0].position, 0.8f, 6);
    EXPECT_EQ(reachExit(caged), ExitReach::kWalledIn);
    caged.balls.push_back(caged.balls[0]);
    caged.balls.back().position = Vector2D(0.0f, 0.0f);
    EXPECT_EQ(reachExit(caged), ExitReach::kReachable);
}

TEST(ExitReach, BallsInsideTheExitOnALineOrMissingAreJudgedAsThePlayModeWould)
{
    // A ball that starts inside a walled-in exit is already there.
    Level inside = openLevel();
    addRing(inside, inside.exitPosition, 1.4f, 8);
    inside.balls[0].position = Vector2D(2.1f, 0.1f);
    EXPECT_EQ(reachExit(inside), ExitReach::kReachable);

    // A ball whose centre sits on the line dividing the area goes to either side.
    Level onLine = openLevel();
    addLine(onLine, {-2.0f, -3.0f}, {-2.0f, 3.0f});
    EXPECT_EQ(reachExit(onLine), ExitReach::kReachable);

    // No ball: the play mode's own ball at the origin is the one that must get out.
    Level empty = openLevel();
    empty.balls.clear();
    EXPECT_EQ(reachExit(empty), ExitReach::kReachable);
    addRing(empty, Vector2D(0.0f, 0.0f), 0.8f, 4, 0.3f);
    EXPECT_EQ(reachExit(empty), ExitReach::kWalledIn);

    // A tiny ball where lines cross every cell under it cannot be judged.
    Level crossed = openLevel();
    crossed.balls[0].radius = 0.01f;
    addLine(crossed, {-2.1f, -0.01f}, {-1.9f, 0.01f});
    addLine(crossed, {-2.1f, 0.01f}, {-1.9f, -0.01f});
    addLine(crossed, {-2.01f, -0.1f}, {-1.99f, 0.1f});
    EXPECT_EQ(reachExit(crossed), ExitReach::kUndecided);

    // Every ball outside the area: nothing to judge from.
    Level away = openLevel();
    away.balls[0].position = Vector2D(-9.0f, 0.0f);
    EXPECT_EQ(reachExit(away), ExitReach::kUndecided);
}

TEST(ExitReach, HugeOrNonFiniteNumbersNeitherHangNorCrash)
{
    const float inf = std::numeric_limits<float>::infinity();
    Level huge = openLevel();
    huge.size = Vector2D(1e7f, 1e7f);
    addLine(huge, {-1e7f, -1e7f}, {1e7f, 1e7f});  // the diagonal, from corner to corner
    huge.balls[0].position = Vector2D(-5e6f, 5e6f);
    huge.exitPosition = Vector2D(5e6f, -5e6f);
    EXPECT_EQ(reachExit(huge), ExitReach::kWalledIn);
    huge.exitPosition = Vector2D(-6e6f, 4e6f);
    EXPECT_EQ(reachExit(huge), ExitReach::kReachable);

    Level odd = openLevel();
    addLine(odd, {-inf, 0.0f}, {inf, 0.0f});
    addLine(odd, {0.0f, std::nanf("")}, {0.0f, 1.0f});
    EXPECT_EQ(reachExit(odd), ExitReach::kReachable);
    odd.size = Vector2D(inf, 2.0f);
    EXPECT_EQ(reachExit(odd), ExitReach::kUndecided);
    odd = openLevel();
    odd.exitRadius = -1.0f;  // an empty value reads as -1: nothing can touch it
    EXPECT_EQ(reachExit(odd), ExitReach::kUndecided);
}
