#include <gtest/gtest.h>

#include <memory>

#include "app/globals.h"
#include "input/input.h"
#include "level/build_simulation.h"
#include "level/game.h"
#include "play/play_mode.h"
#include "play_test_support.h"
#include "unit/fresh_shell.h"

namespace {

const Vector2D kDock0(-1.0f, 1.0f);
const Vector2D kDock1(0.0f, 1.0f);
const Vector2D kDock2(1.0f, 1.0f);
const Vector2D kDock3(-1.0f, 0.0f);
const Vector2D kDock4(0.0f, 0.0f);
const Vector2D kBallStart(-2.0f, -1.0f);

/// A play mode on a small level: six dock points in two rows, a held ball
/// and a second, free ball; optionally a rope of the level's own along the
/// bottom. The mouse is driven by the test; frames use dt 0 unless a try
/// needs the world to move. The play mode is a fresh shell's.
class PlayMenuTest : public ShellTest {
protected:
    TestFolder folder;
    PlayMenu* menu = &shell->play;
    Game& game = shell->game;
    ModeRequest lastRequest;  ///< the last request the play mode made

    void SetUp() override
    {
        game.configFile = folder.path("config.txt");
        startLevel(false);
    }

    void startLevel(bool withLevelRope)
    {
        menu->level = Level();
        Level& level = menu->level;
        level.size = Vector2D(3.0f, 2.0f);
        for (Vector2D dock : {kDock0, kDock1, kDock2, kDock3, kDock4, Vector2D(1.0f, 0.0f)}) {
            level.dockPoints.emplace_back();
            level.dockPoints.back().position = dock;
        }
        level.balls.resize(2);
        level.balls[0].position = kBallStart;
        level.balls[0].held = true;
        level.balls[1].position = Vector2D(2.0f, 1.0f);
        level.balls[1].held = false;
        level.exitPosition = Vector2D(2.5f, -1.5f);
        if (withLevelRope) {
            Simulation scratch;
            addRope(Vector2D(-2.0f, -1.8f), Vector2D(2.0f, -1.8f), scratch);
            level.ropes.push_back(scratch.ropes.back());
        }
        buildSimulation(level, menu->world);
        menu->prepareLevel();
    }

    void update(float dt)
    {
        const ModeRequest request = menu->update(input, dt);
        if (request.any()) lastRequest = request;
    }

    /// One frame with the pointer at a world position, away from the panel.
    void pointAt(Vector2D where, bool down, float dt = 0.0f)
    {
        mouse.x = 600;
        mouse.y = 300;
        mouse.world = where;
        mouse.leftDown = down;
        update(dt);
    }

    void drag(Vector2D from, Vector2D to)
    {
        pointAt(from, true);
        pointAt(to, true);
        pointAt(to, false);
    }

    /// Presses and releases a button over two frames.
    void click(const Button& button, float dt = 0.0f)
    {
        mouse.x = static_cast<int>(button.position.x + button.size.x / 2);
        mouse.y = static_cast<int>(button.position.y + button.size.y / 2);
        mouse.leftDown = true;
        update(dt);
        mouse.leftDown = false;
        update(dt);
    }
    void click(PlayButton index) { click(menu->buttons[index]); }

    std::vector<Rope>& ropes() { return menu->world.ropes; }
    std::vector<RopeMarks>& ropeMarks() { return menu->marks.ropes; }

    int selectedRope()
    {
        int found = -1;
        for (std::size_t i = 0; i < ropes().size(); ++i) {
            if (!menu->marks.ropeSelected(i)) continue;
            EXPECT_EQ(found, -1) << "more than one rope selected";
            found = static_cast<int>(i);
        }
        return found;
    }

    /// Lays three player ropes and returns the index of the first.
    int layThreeRopes()
    {
        const int first = static_cast<int>(ropes().size());
        drag(kDock0, kDock1);
        drag(kDock1, kDock2);
        drag(kDock3, kDock4);
        EXPECT_EQ(ropes().size(), static_cast<std::size_t>(first + 3));
        return first;
    }
};

TEST_F(PlayMenuTest, LevelStartHoldsBallZeroAndWaitsForTheTry)
{
    EXPECT_TRUE(menu->placing);
    EXPECT_FALSE(menu->completed);
    EXPECT_EQ(menu->fade, 0.0f);
    EXPECT_TRUE(menu->world.balls[0].held);
    EXPECT_EQ(menu->buttons[kTryOrReturn].label, "Try it out");

    // A level without a ball is played with a held stand-in at the origin.
    menu->world.balls.clear();
    menu->prepareLevel();
    ASSERT_EQ(menu->world.balls.size(), 1u);
    EXPECT_EQ(menu->world.balls[0].radius, 0.3f);
    EXPECT_EQ(menu->world.balls[0].position.x, 0.0f);
    EXPECT_TRUE(menu->world.balls[0].held);
}

TEST_F(PlayMenuTest, DragBetweenDocksMakesOneSelectedRopeWithFreeInnerPoints)
{
    pointAt(kDock0, true);
    EXPECT_TRUE(menu->dragging);
    EXPECT_TRUE(menu->marks.dockPoints[0].selected);
    pointAt(Vector2D(-0.5f, 0.7f), true);
    EXPECT_EQ(menu->dragEnd.x, -0.5f);
    // The end snaps to a dock point under the pointer.
    pointAt(kDock1 + Vector2D(0.05f, 0.0f), true);
    EXPECT_EQ(menu->dragEnd.x, kDock1.x);
    pointAt(kDock1 + Vector2D(0.05f, 0.0f), false);
    EXPECT_FALSE(menu->dragging);

    ASSERT_EQ(ropes().size(), 1u);
    const Rope& rope = ropes()[0];
    ASSERT_EQ(rope.masses.size(), 4u);  // one unit long: a point every 0.35
    EXPECT_FALSE(menu->isLevelRope(0));
    EXPECT_TRUE(menu->marks.ropeSelected(0));
    EXPECT_TRUE(rope.masses.front().fixed);
    EXPECT_TRUE(rope.masses.back().fixed);
    for (std::size_t k = 1; k + 1 < rope.masses.size(); ++k) {
        EXPECT_FALSE(rope.masses[k].fixed);
        EXPECT_FALSE(menu->marks.massSelected(0, k));
    }
    EXPECT_EQ(rope.masses.back().position.x, kDock1.x);
    EXPECT_FLOAT_EQ(menu->slides[0].value, 0.25f * 150.0f);

    // Moving the slider sets the rest length of the selected rope.
    mouse.x = 10 + 90;
    mouse.y = 265;
    mouse.leftDown = true;
    menu->update(input, 0.0f);
    for (const Spring& spring : ropes()[0].springs) EXPECT_FLOAT_EQ(spring.restLength, 50.0f / 150.0f);
}

TEST_F(PlayMenuTest, DragsThatEndNowhereMakeNothing)
{
    // Released on the dock where it began: too short for a rope.
    drag(kDock0, kDock0);
    // Released away from any dock.
    drag(kDock0, Vector2D(-0.5f, 0.5f));
    EXPECT_TRUE(ropes().empty());
    EXPECT_FALSE(menu->dragging);

    // A press over the panel starts nothing, even with the world point on a dock.
    mouse.x = 100;
    mouse.y = 400;
    mouse.world = kDock0;
    mouse.leftDown = true;
    menu->update(input, 0.0f);
    EXPECT_TRUE(menu->mouseOverPanel);
    EXPECT_FALSE(menu->dragging);
    EXPECT_EQ(menu->hoverDock, -1);

    // A release over the panel still ends a drag, without a rope.
    pointAt(kDock0, true);
    ASSERT_TRUE(menu->dragging);
    mouse.x = 100;
    mouse.world = kDock1;
    mouse.leftDown = false;
    menu->update(input, 0.0f);
    EXPECT_FALSE(menu->dragging);
    EXPECT_TRUE(ropes().empty());
}

TEST_F(PlayMenuTest, SelectionCyclesThroughThePlayersRopesBothWays)
{
    const int first = layThreeRopes();
    EXPECT_EQ(selectedRope(), first + 2);  // the newest rope is selected

    click(kSelectNextRope);
    EXPECT_EQ(selectedRope(), first);  // wraps to the first player rope
    click(kSelectNextRope);
    EXPECT_EQ(selectedRope(), first + 1);
    click(kSelectPrevRope);
    EXPECT_EQ(selectedRope(), first);
    click(kSelectPrevRope);
    EXPECT_EQ(selectedRope(), first + 2);  // wraps to the last

    // With nothing selected, both directions start at rope 0 here.
    for (RopeMarks& rope : ropeMarks()) rope.selected = false;
    menu->stepRopeSelection(+1);
    EXPECT_EQ(selectedRope(), 0);
    for (RopeMarks& rope : ropeMarks()) rope.selected = false;
    menu->stepRopeSelection(-1);
    EXPECT_EQ(selectedRope(), 0);
}

TEST_F(PlayMenuTest, WithLevelRopesCyclingSkipsThem)
{
    startLevel(true);
    ASSERT_EQ(menu->levelRopeCount, 1);
    menu->slides[0].value = 12.0f;

    // No player rope: the target is the level's rope, which stays unselected.
    menu->stepRopeSelection(+1);
    EXPECT_EQ(selectedRope(), -1);

    const int first = layThreeRopes();
    ASSERT_EQ(first, 1);
    for (RopeMarks& rope : ropeMarks()) rope.selected = false;
    menu->stepRopeSelection(+1);
    EXPECT_EQ(selectedRope(), 3);  // nothing selected: the last rope
    menu->stepRopeSelection(+1);
    EXPECT_EQ(selectedRope(), 1);
    menu->stepRopeSelection(-1);
    EXPECT_EQ(selectedRope(), 3);
}

TEST_F(PlayMenuTest, RemoveTakesOnlyTheSelectedPlayerRope)
{
    startLevel(true);
    layThreeRopes();
    for (RopeMarks& rope : ropeMarks()) rope.selected = false;
    click(kRemoveRope);
    EXPECT_EQ(ropes().size(), 4u);  // nothing selected, nothing removed

    menu->selectRope(2);
    const float secondEnd = ropes()[3].masses.back().position.x;
    click(kRemoveRope);
    ASSERT_EQ(ropes().size(), 3u);
    EXPECT_EQ(ropes()[2].masses.back().position.x, secondEnd);  // later ropes moved down
    EXPECT_EQ(selectedRope(), -1);
    EXPECT_EQ(ropes()[0].masses[0].position.y, menu->level.ropes[0].masses[0].position.y);  // the level's stays

    // The level's rope cannot be picked by index either.
    menu->selectRope(0);
    EXPECT_EQ(selectedRope(), -1);
    click(kRemoveRope);
    EXPECT_EQ(ropes().size(), 3u);
}

TEST_F(PlayMenuTest, LevelRopesAreNeverHoveredOrSelected)
{
    startLevel(true);
    const Vector2D onLevelRope(0.1f, -1.8f);
    pointAt(onLevelRope, false);
    EXPECT_FALSE(menu->marks.ropeHovered(0));
    pointAt(onLevelRope, true);
    pointAt(onLevelRope, false);
    EXPECT_FALSE(menu->marks.ropeSelected(0));

    // A player's rope does light up and get picked under the pointer.
    drag(kDock0, kDock1);
    menu->selectRope(-1);
    for (RopeMarks& rope : ropeMarks()) rope.selected = false;
    const Vector2D onPlayerRope(-0.5f, 1.02f);
    pointAt(onPlayerRope, false);
    EXPECT_TRUE(menu->marks.ropeHovered(1));
    pointAt(onPlayerRope, true);
    EXPECT_EQ(selectedRope(), 1);
}

TEST_F(PlayMenuTest, ReturnPutsCameraBallsAndLevelRopesBack)
{
    startLevel(true);
    drag(kDock0, kDock1);
    shell->view.cameraOffset = Vector2D(0.5f, 0.25f);
    click(kTryOrReturn);
    ASSERT_FALSE(menu->placing);
    EXPECT_FALSE(menu->world.balls[0].held);
    EXPECT_EQ(menu->buttons[kTryOrReturn].label, "Return");

    for (int frame = 0; frame < 60; ++frame) pointAt(Vector2D(), false, 1.0f);
    EXPECT_NE(menu->world.balls[0].position.y, kBallStart.y);
    // Snap the level's rope as a try might.
    ropes()[0].springs[1].active = false;
    ropes()[0].broken = true;
    ropes()[0].masses[2].position = Vector2D(9.0f, 9.0f);
    shell->view.cameraOffset = Vector2D(4.0f, 4.0f);
    const Vector2D playerRopeMiddle = ropes()[1].masses[1].position;

    click(kTryOrReturn);
    EXPECT_TRUE(menu->placing);
    EXPECT_EQ(menu->buttons[kTryOrReturn].label, "Try it out");
    EXPECT_EQ(shell->view.cameraOffset.x, 0.5f);
    EXPECT_EQ(shell->view.cameraOffset.y, 0.25f);
    const Ball& ball = menu->world.balls[0];
    EXPECT_TRUE(ball.held);
    EXPECT_EQ(ball.position.x, kBallStart.x);
    EXPECT_EQ(ball.position.y, kBallStart.y);
    EXPECT_EQ(menu->world.balls[1].position.x, 2.0f);
    EXPECT_EQ(menu->world.balls[1].position.y, 1.0f);

    const Rope& levelRope = ropes()[0];
    const Rope& stored = menu->level.ropes[0];
    EXPECT_FALSE(levelRope.broken);
    EXPECT_TRUE(menu->isLevelRope(0));
    ASSERT_EQ(levelRope.masses.size(), stored.masses.size());
    ASSERT_EQ(levelRope.springs.size(), stored.masses.size() - 1);
    for (std::size_t j = 0; j < stored.masses.size(); ++j) {
        EXPECT_EQ(levelRope.masses[j].position.x, stored.masses[j].position.x);
        EXPECT_EQ(levelRope.masses[j].position.y, stored.masses[j].position.y);
        EXPECT_EQ(levelRope.masses[j].fixed, stored.masses[j].fixed);
    }
    for (std::size_t j = 0; j < levelRope.springs.size(); ++j) {
        EXPECT_TRUE(levelRope.springs[j].active);
        EXPECT_EQ(levelRope.springs[j].first, static_cast<int>(j));
        EXPECT_EQ(levelRope.springs[j].second, static_cast<int>(j) + 1);
    }
    // The player's rope stays as the try left it.
    EXPECT_EQ(ropes()[1].masses[1].position.y, playerRopeMiddle.y);
}

TEST_F(PlayMenuTest, ExitCountsOnlyDuringATry)
{
    menu->world.exitPosition = kBallStart;
    pointAt(Vector2D(), false);
    EXPECT_FALSE(menu->completed);  // the ball sits in the exit, but no try runs

    click(kTryOrReturn);
    EXPECT_TRUE(menu->completed);

    // Returning keeps the level completed and the fade going.
    click(kTryOrReturn);
    EXPECT_TRUE(menu->placing);
    EXPECT_TRUE(menu->completed);
    const float fade = menu->fade;
    pointAt(Vector2D(), false);
    EXPECT_GT(menu->fade, fade);
}

TEST_F(PlayMenuTest, ExitButtonCountsTheNextLevelOnlyWhenFinished)
{
    game.completedLevels = 2;
    menu->levelNumber = 2;
    click(kExitLevel);
    EXPECT_EQ(lastRequest.kind, ModeRequest::Kind::Leave);
    EXPECT_EQ(game.completedLevels, 2);

    // Finished: the count grows and is on disk at once.
    menu->completed = true;
    click(kExitLevel);
    EXPECT_EQ(game.completedLevels, 3);
    EXPECT_EQ(readText(game.configFile), "completedlevels=3;\n");

    // Replaying an earlier level changes nothing.
    menu->levelNumber = 0;
    click(kExitLevel);
    EXPECT_EQ(game.completedLevels, 3);
}

TEST_F(PlayMenuTest, FadeFillsInAHundredAndOneFramesThenReturnToMenuCounts)
{
    menu->world.exitPosition = kBallStart;
    click(kTryOrReturn);
    ASSERT_TRUE(menu->completed);
    // A hundred float steps of 0.01 stop just short of 1; the 101st is
    // clamped to it.
    for (int frame = 1; frame <= 100; ++frame) {
        pointAt(Vector2D(), false);
        ASSERT_LT(menu->fade, 1.0f) << "frame " << frame;
    }
    pointAt(Vector2D(), false);
    EXPECT_EQ(menu->fade, 1.0f);

    click(menu->returnButton);
    EXPECT_EQ(lastRequest.kind, ModeRequest::Kind::Leave);
    EXPECT_EQ(game.completedLevels, 1);
    EXPECT_EQ(readText(game.configFile), "completedlevels=1;\n");

    // Back in the menu, the shell runs the play mode no more.
    shell->carryOut(lastRequest);
    EXPECT_EQ(shell->mode(), Mode::Menu);
    const Vector2D ball = menu->world.balls[0].position;
    shell->update(1.0f);
    EXPECT_EQ(menu->world.balls[0].position.y, ball.y);
}

}  // namespace
