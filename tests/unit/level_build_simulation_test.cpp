#include "level/build_simulation.h"
#include "level/game.h"
#include "level/level.h"
#include "physics/simulation.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace {

// A level whose elements carry run-time state (motion, a broken rope, odd
// spring indices), as an editor's copy might, so that the
// build has something to reset.
Level markedLevel()
{
    Level level;
    level.size = {4, 2};
    level.exitPosition = {1.5f, -0.5f};
    level.exitRadius = 0.4f;
    Line line;
    line.ends[0] = {-1, -1};
    line.ends[1] = {1, -1};
    level.lines = {line, line};
    DockPoint dock;
    dock.position = {0.5f, 1};
    level.dockPoints = {dock};
    Vertex tri;
    tri.corners[0] = {0, 0};
    tri.corners[1] = {2, 0};
    tri.corners[2] = {0, 1};
    level.vertices = {tri};
    Ball ball;
    ball.position = {-1, 1};
    ball.radius = 0.25f;
    ball.mass = 3;
    ball.held = true;
    ball.velocity = {5, 5};
    level.balls = {ball};

    Rope rope;
    rope.broken = true;
    for (int j = 0; j < 4; ++j) {
        Mass m;
        m.position = {0.3f * j, 1};
        m.mass = 1.5f;
        m.fixed = j == 0;
        m.velocity = {1, 1};
        rope.masses.push_back(m);
    }
    for (int j = 0; j < 3; ++j) {
        Spring s;
        s.restLength = 0.2f + j * 0.01f;
        s.first = 7;  // stored indices are ignored: springs are rebuilt
        s.second = 7;
        s.active = false;
        rope.springs.push_back(s);
    }
    Rope single;
    single.masses.push_back(rope.masses[0]);
    level.ropes = {rope, single};
    return level;
}

} // namespace

TEST(BuildSimulation, CopiesEveryListAndResetsTheRunTimeState)
{
    Level level = markedLevel();
    Simulation world;
    world.noBackdrop = true;
    world.balls.resize(3);
    world.lines.resize(5);
    buildSimulation(level, world);

    EXPECT_TRUE(world.noBackdrop);  // left as it was
    EXPECT_EQ(world.size.x, 4.0f);
    EXPECT_EQ(world.exitPosition.y, -0.5f);
    EXPECT_EQ(world.exitRadius, 0.4f);

    ASSERT_EQ(world.lines.size(), 2u);
    EXPECT_EQ(world.lines[1].ends[1].x, 1.0f);
    ASSERT_EQ(world.dockPoints.size(), 1u);
    EXPECT_EQ(world.dockPoints[0].position.x, 0.5f);
    ASSERT_EQ(world.vertices.size(), 1u);
    EXPECT_EQ(world.vertices[0].corners[1].x, 2.0f);

    ASSERT_EQ(world.balls.size(), 1u);
    const Ball& ball = world.balls[0];
    EXPECT_EQ(ball.position.x, -1.0f);
    EXPECT_EQ(ball.radius, 0.25f);
    EXPECT_EQ(ball.mass, 3.0f);
    EXPECT_TRUE(ball.held);
    EXPECT_EQ(ball.velocity.x, 0.0f);  // a fresh ball, at rest

    ASSERT_EQ(world.ropes.size(), 2u);
    const Rope& rope = world.ropes[0];
    EXPECT_FALSE(rope.broken);  // a level's rope always starts whole
    ASSERT_EQ(rope.masses.size(), 4u);
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(rope.masses[j].position.x, 0.3f * j);
        EXPECT_EQ(rope.masses[j].mass, 1.5f);
        EXPECT_EQ(rope.masses[j].fixed, j == 0);
        EXPECT_EQ(rope.masses[j].velocity.x, 0.0f);
    }
    ASSERT_EQ(rope.springs.size(), 3u);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(rope.springs[j].first, j);
        EXPECT_EQ(rope.springs[j].second, j + 1);
        EXPECT_TRUE(rope.springs[j].active);
        EXPECT_EQ(rope.springs[j].restLength, 0.2f + j * 0.01f);
    }
    // A rope of one mass has no spring.
    EXPECT_EQ(world.ropes[1].masses.size(), 1u);
    EXPECT_TRUE(world.ropes[1].springs.empty());

    // Building again gives the same lists, not doubled ones.
    buildSimulation(level, world);
    EXPECT_EQ(world.lines.size(), 2u);
    EXPECT_EQ(world.ropes.size(), 2u);
    EXPECT_EQ(world.ropes[0].springs.size(), 3u);
}

TEST(BuildSimulation, NeverBuildsASpringWithoutItsSecondMass)
{
    // A hand-made file may give the last mass a rest length as well.
    Level level;
    level.ropes.resize(2);
    level.ropes[0].masses.resize(2);
    level.ropes[0].springs.resize(2);
    level.ropes[1].masses.resize(1);
    level.ropes[1].springs.resize(1);
    Simulation world;
    buildSimulation(level, world);
    ASSERT_EQ(world.ropes[0].springs.size(), 1u);
    EXPECT_EQ(world.ropes[0].springs[0].second, 1);
    EXPECT_TRUE(world.ropes[1].springs.empty());
    for (int i = 0; i < 100; ++i) world.step(1.0f);  // steps without reading past the masses
}

TEST(BuildSimulation, TextureCoordinatesUseTheLastOfThreeJitteredPasses)
{
    Level level;
    level.size = {2, 4};
    Vertex tri;
    tri.corners[0] = {1, 2};
    tri.corners[1] = {-2, 0};
    tri.corners[2] = {0, -4};
    level.vertices = {tri, tri};

    // Replay the draws: three passes of six per triangle, the last one kept.
    std::srand(77);
    float offsets[2][6];
    for (auto& triangleOffsets : offsets) {
        for (int pass = 0; pass < 3; ++pass)
            for (float& o : triangleOffsets) o = static_cast<float>(std::rand() % 100) * (1.0f / 3000.0f);
    }
    int next = std::rand();

    std::srand(77);
    Simulation world;
    TriangleMappings mappings;
    buildSimulation(level, world, &mappings);
    EXPECT_EQ(std::rand(), next);  // exactly 36 draws were made
    ASSERT_EQ(mappings.size(), 2u);
    for (int t = 0; t < 2; ++t) {
        for (int k = 0; k < 3; ++k) {
            Vector2D uv = mappings[t].texCoords[k];
            EXPECT_EQ(uv.x, tri.corners[k].x / 2.0f + 0.5f + offsets[t][2 * k]);
            EXPECT_EQ(uv.y, tri.corners[k].y / 4.0f + 0.5f + offsets[t][2 * k + 1]);
            EXPECT_GE(uv.x - (tri.corners[k].x / 2.0f + 0.5f), 0.0f);
            EXPECT_LT(uv.x - (tri.corners[k].x / 2.0f + 0.5f), 0.034f);
        }
    }

    // A play area with a zero side computes nothing and draws nothing.
    for (Vector2D flat : {Vector2D(0, 3), Vector2D(3, 0)}) {
        level.size = flat;
        std::srand(5);
        int first = std::rand();
        std::srand(5);
        Simulation flatWorld;
        TriangleMappings flatMappings;
        buildSimulation(level, flatWorld, &flatMappings);
        EXPECT_EQ(std::rand(), first);
        ASSERT_EQ(flatMappings.size(), 2u);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(flatMappings[0].texCoords[k].x, 0.0f);
            EXPECT_EQ(flatMappings[0].texCoords[k].y, 0.0f);
        }
    }
}

TEST(BuildSimulation, ALevelWithoutBallsGivesAWorldWithoutBalls)
{
    Level level;
    level.size = {3, 3};
    Simulation world;
    world.balls.resize(1);
    buildSimulation(level, world);
    EXPECT_TRUE(world.balls.empty());
    EXPECT_EQ(world.size.y, 3.0f);
}

TEST(BuildSimulation, TheLevelsThemeOrElseTheFirstThemeIsApplied)
{
    Game game;
    game.themes = {{"Dusk", 11}, {"Forest", 12}};
    const unsigned int menuPicture = 40;

    Level level;
    level.theme = "Forest";
    Simulation world;
    buildSimulation(level, world);
    EXPECT_EQ(game.currentTexture, nullptr) << "building a world applies no theme";
    applyLevelTheme(game, level);
    EXPECT_EQ(game.currentThemeName, "Forest");
    ASSERT_NE(game.currentTexture, nullptr);
    EXPECT_EQ(*game.currentTexture, 12u);

    // No theme, or one not in the list: the first theme, never the picture
    // that happened to be current (a menu screen's).
    for (const char* theme : {"", "Desert"}) {
        game.currentTexture = &menuPicture;
        level.theme = theme;
        applyLevelTheme(game, level);
        EXPECT_EQ(game.currentThemeName, "Dusk") << theme;
        EXPECT_EQ(*game.currentTexture, 11u) << theme;
    }

    // With no theme at all there is nothing to fall back to.
    game.themes.clear();
    game.currentTexture = &menuPicture;
    applyLevelTheme(game, level);
    EXPECT_EQ(game.currentTexture, &menuPicture);
}
