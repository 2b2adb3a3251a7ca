// What a player is shown and can do around the panel: the view a level opens
// on, the end of a try without the exit, and the shortcut keys.
#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "input/input.h"
#include "input/window_proc.h"
#include "editor_fixture.h"
#include "level/build_simulation.h"
#include "level/game.h"
#include "menu_test_support.h"
#include "play/play_mode.h"
#include "play/start_view.h"
#include "play/try_watch.h"
#include "play_test_support.h"
#include "unit/fresh_shell.h"

namespace {

bool same(const Vector2D& a, const Vector2D& b) { return a.x == b.x && a.y == b.y; }

const std::string kData = std::string(TANGLOOP_SOURCE_DIR) + "/data";

std::vector<std::string> shippedLevelNames()
{
    std::ifstream in(kData + "/levels.txt");
    std::stringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    std::vector<std::string> names;
    const std::regex entry("<([^>]*)>");
    for (auto it = std::sregex_iterator(all.begin(), all.end(), entry); it != std::sregex_iterator(); ++it)
        names.push_back((*it)[1]);
    return names;
}

Simulation shippedWorld(const std::string& name)
{
    Level level;
    EXPECT_TRUE(level.load(kData + "/levels/" + name + ".txt")) << name;
    Simulation world;
    buildSimulation(level, world);
    return world;
}

/// Whether the whole ball, every dock point and the exit's centre can be
/// seen at once right of the panel at all, whatever the camera.
bool fitsAtOnce(const Simulation& world, const ViewRect& view)
{
    const Ball& ball = world.balls[0];
    float left = std::min(world.exitPosition.x, ball.position.x - ball.radius);
    float right = std::max(world.exitPosition.x, ball.position.x + ball.radius);
    float bottom = std::min(world.exitPosition.y, ball.position.y - ball.radius);
    float top = std::max(world.exitPosition.y, ball.position.y + ball.radius);
    for (const DockPoint& dock : world.dockPoints) {
        left = std::min(left, dock.position.x);
        right = std::max(right, dock.position.x);
        bottom = std::min(bottom, dock.position.y);
        top = std::max(top, dock.position.y);
    }
    return right - left <= view.right - view.left && top - bottom <= view.top - view.bottom;
}

}  // namespace

TEST(StartView, FramesBallDocksAndExitRightOfThePanelOnEveryShippedLevel)
{
    const std::vector<std::string> names = shippedLevelNames();
    ASSERT_GE(names.size(), 3u);
    int firstThreeSeenWhole = 0;
    for (const auto& [width, height] : {std::pair{800, 600}, std::pair{1024, 768}}) {
        for (const std::string& name : names) {
            const Simulation world = shippedWorld(name);
            ASSERT_FALSE(world.balls.empty()) << name;
            const Vector2D camera = startView(world, width, height);
            const ViewRect view = visibleRightOfPanel(camera, width, height);
            const Ball& ball = world.balls[0];
            SCOPED_TRACE(name + " at " + std::to_string(width) + ", camera " + std::to_string(camera.x) + " " +
                         std::to_string(camera.y));
            // The ball is always seen, clear of the panel.
            EXPECT_TRUE(view.contains(ball.position, ball.radius));
            if (!fitsAtOnce(world, visibleRightOfPanel(Vector2D(), width, height))) {
                // Too big to be seen at once: still the dock points close
                // to the ball, the first a player reaches for, are seen.
                const float near = (view.right - view.left) * 0.25f;
                for (const DockPoint& dock : world.dockPoints) {
                    if (distance(dock.position, ball.position) < near) {
                        EXPECT_TRUE(view.contains(dock.position, 0.0f));
                    }
                }
                continue;
            }
            if (name == names[0] || name == names[1] || name == names[2]) ++firstThreeSeenWhole;
            // It fits: every dock point is seen, and the exit, at worst
            // cut by the window's edge through its middle.
            for (const DockPoint& dock : world.dockPoints) EXPECT_TRUE(view.contains(dock.position, 0.0f));
            EXPECT_TRUE(view.contains(world.exitPosition, 0.0f));
            // The camera stays on the ball when that already shows it all.
            const ViewRect atBall = visibleRightOfPanel(ball.position, width, height);
            bool allAtBall = atBall.contains(ball.position, ball.radius + 0.1f) &&
                             atBall.contains(world.exitPosition, world.exitRadius + kStartViewPad);
            for (const DockPoint& dock : world.dockPoints) allAtBall = allAtBall && atBall.contains(dock.position, kStartViewPad);
            if (allAtBall) {
                EXPECT_TRUE(same(camera, ball.position));
            }
        }
    }
    // Only long levels, which tell the player to look ahead, may be too big;
    // the first ones a player meets never are.
    EXPECT_EQ(firstThreeSeenWhole, 6);
}

TEST(StartView, TheIntroductionLeavesThePlayersBallAndTheExitInSight)
{
    FreshShell shell;
    int exitsHidden = 0, othersHidden = 0;
    for (const std::string& name : shippedLevelNames()) {
        ASSERT_TRUE(shell->playLevelFile(kData + "/levels/" + name + ".txt", name, 0));
        const PlayMenu& play = shell->play;
        // Where the overlay shows a world point with the start view.
        const float scale = 800.0f / (2.0f * 160.0f / 29.0f);
        auto screenY = [&](const Vector2D& at) { return 300.0f - (at.y - play.startCamera.y) * scale; };
        auto screenX = [&](const Vector2D& at) { return 400.0f + (at.x - play.startCamera.x) * scale; };
        // The introduction's letters, from a little above its first line to below its last.
        const float top = play.introTexts.front().position.y - 15.0f;
        const float bottom = play.introTexts.back().position.y + 10.0f;
        auto underText = [&](const Vector2D& at, float radius) {
            const float r = radius * scale;
            return screenX(at) + r > kPlayPanelWidth + 20.0f && screenX(at) - r < 780.0f && screenY(at) + r > top &&
                   screenY(at) - r < bottom;
        };
        const Ball& ball = play.world.balls[0];
        EXPECT_FALSE(underText(ball.position, ball.radius)) << name;
        EXPECT_LE(bottom, 600.0f) << name;
        if (underText(play.world.exitPosition, play.world.exitRadius)) ++exitsHidden;
        for (std::size_t i = 1; i < play.world.balls.size(); ++i)
            othersHidden += underText(play.world.balls[i].position, play.world.balls[i].radius) ? 1 : 0;
    }
    EXPECT_EQ(exitsHidden, 0);
    // One level's three balls run from corner to corner of the view with
    // its exit below them: there the introduction has to cover one of them.
    EXPECT_LE(othersHidden, 1);
}

TEST(StartView, ArrowKeysStopAtThePlayAreaEdgeButNeverJumpFromTheStart)
{
    Simulation world;
    world.size = Vector2D(7.0f, 4.0f);
    const Vector2D start(0.0f, 0.0f);
    // Far to the right: the view's right edge stops at the wall plus the margin.
    const Vector2D right = clampView(Vector2D(50.0f, 0.0f), start, world, 800, 600);
    EXPECT_NEAR(visibleRightOfPanel(right, 800, 600).right, 7.0f + kViewMargin, 1e-4f);
    // Far left: the view's left edge, right of the panel, stops there.
    const Vector2D left = clampView(Vector2D(-50.0f, 0.0f), start, world, 800, 600);
    EXPECT_NEAR(visibleRightOfPanel(left, 800, 600).left, -7.0f - kViewMargin, 1e-4f);
    // A small area stays whole in view instead of pinning the camera.
    world.size = Vector2D(1.0f, 1.0f);
    const Vector2D small = clampView(Vector2D(0.0f, 40.0f), start, world, 800, 600);
    EXPECT_NEAR(visibleRightOfPanel(small, 800, 600).bottom, -1.0f - kViewMargin, 1e-4f);
    // A start view outside the range is kept, not snapped away.
    const Vector2D farStart(30.0f, 0.0f);
    EXPECT_TRUE(same(clampView(farStart, farStart, world, 800, 600), farStart));
}

TEST(StartView, AnExitOutOfSightIsPointedAtFromTheEdgeOfTheView)
{
    Simulation world;
    const Vector2D camera(2.0f, -1.0f);
    const ViewRect view = visibleRightOfPanel(camera, 800, 600);
    const Vector2D middle((view.left + view.right) / 2, (view.top + view.bottom) / 2);
    world.exitPosition = middle + Vector2D(0.5f, 0.5f);
    EXPECT_FALSE(exitPointer(camera, world, 800, 600).has_value()) << "an exit in sight needs no arrow";

    // Straight right, left (behind the panel) and below the middle of the view
    // right of the panel: the arrow sits inset from that edge, pointing out.
    struct Case {
        Vector2D offset, tip, direction;
    };
    for (const Case& c : {Case{{40, 0}, {800 - kExitPointerInset, 300}, {1, 0}},
                          Case{{-40, 0}, {200 + kExitPointerInset, 300}, {-1, 0}},
                          Case{{0, -40}, {500, 600 - kExitPointerInset}, {0, 1}}}) {
        world.exitPosition = middle + c.offset;
        const auto pointer = exitPointer(camera, world, 800, 600);
        ASSERT_TRUE(pointer.has_value());
        EXPECT_NEAR(pointer->tip.x, c.tip.x, 0.01f);
        EXPECT_NEAR(pointer->tip.y, c.tip.y, 0.01f);
        EXPECT_NEAR(pointer->direction.x, c.direction.x, 1e-5f);
        EXPECT_NEAR(pointer->direction.y, c.direction.y, 1e-5f);
    }
    // Far up and right the line leaves through the top edge first.
    world.exitPosition = middle + Vector2D(10.0f, 30.0f);
    EXPECT_NEAR(exitPointer(camera, world, 800, 600)->tip.y, kExitPointerInset, 0.01f);
    // A broken exit position points nowhere.
    world.exitPosition = Vector2D(std::numeric_limits<float>::quiet_NaN(), 0.0f);
    EXPECT_FALSE(exitPointer(camera, world, 800, 600).has_value());
}

TEST(TryWatch, RestsAfterTwoStillSecondsAndNoticesABallLeavingTheArea)
{
    Simulation world;
    world.size = Vector2D(3.0f, 2.0f);
    world.balls.resize(1);
    world.balls[0].radius = 0.3f;
    TryWatch watch;
    for (int frame = 0; frame < TryWatch::kRestFrames; ++frame) EXPECT_EQ(watch.update(world), TryOutcome::Running);
    EXPECT_EQ(watch.update(world), TryOutcome::Resting);
    // Set moving again, it runs on; a slow creep below the step counts as rest.
    world.balls[0].position.x += 0.1f;
    EXPECT_EQ(watch.update(world), TryOutcome::Running);
    for (int frame = 0; frame <= TryWatch::kRestFrames; ++frame) {
        world.balls[0].position.x += TryWatch::kRestDistance * 0.5f;
        watch.update(world);
    }
    EXPECT_EQ(watch.outcome, TryOutcome::Resting);

    // Inside the wall by less than a radius is still inside; beyond, it has left for good.
    watch.reset();
    world.balls[0].position = Vector2D(0.0f, -2.2f);
    EXPECT_EQ(watch.update(world), TryOutcome::Running);
    world.balls[0].position = Vector2D(0.0f, -2.4f);
    EXPECT_EQ(watch.update(world), TryOutcome::LeftArea);
    world.balls[0].position = Vector2D();
    EXPECT_EQ(watch.update(world), TryOutcome::LeftArea);
}

namespace {

/// A level in play in a fresh shell, so that the keys' mode changes are
/// carried out as in the game. Two levels in the list; the first is played.
class PlayKeysTest : public ShellTest {
protected:
    TestFolder folder;
    PlayMenu& play = shell->play;
    Game& game = shell->game;

    void SetUp() override
    {
        clearKeyPresses();
        game.configFile = folder.path("config.txt");
        for (const char* name : {"First", "Second"}) {
            game.levels.emplace_back();
            game.levels.back().name = name;
        }
        writeText(folder.path("first.txt"), "(0){0}<3>{1}<2>{2}<Hang a rope.>(5){0}<2>{1}<-1.5>{2}<0.3>"
                                            "(1)[0]{0}<-1>{1}<1>{2}<0.3>{3}<1>{4}<1>");
        ASSERT_TRUE(shell->playLevelFile(folder.path("first.txt"), "First", 0));
        mouse.x = 600;
        mouse.y = 300;
    }
    void TearDown() override { clearKeyPresses(); }

    /// One shell frame in which `key` has just been pressed (0 for none).
    void frame(int key = 0, float dt = 0.0f)
    {
        if (key) keysPressed[key] = true;
        shell->update(dt);
        clearKeyPresses();
    }
};

}  // namespace

TEST_F(PlayKeysTest, SpaceTriesRReturnsHomeReframesAndEscLeaves)
{
    frame();
    EXPECT_TRUE(same(shell->view.cameraOffset, play.startCamera));
    EXPECT_TRUE(play.introShown);

    // R while placing and Space during a try do nothing.
    frame('R');
    EXPECT_TRUE(play.placing);
    frame(kVkSpace);
    EXPECT_FALSE(play.placing);
    EXPECT_FALSE(play.introShown);  // any key puts the introduction away
    EXPECT_EQ(play.buttons[kTryOrReturn].label, kReturnLabel);
    frame(kVkSpace);
    EXPECT_FALSE(play.placing);
    frame('R');
    EXPECT_TRUE(play.placing);
    EXPECT_TRUE(same(play.world.balls[0].position, Vector2D(-1.0f, 1.0f)));

    shell->view.cameraOffset = Vector2D(40.0f, 40.0f);
    frame(kVkHome);
    EXPECT_TRUE(same(shell->view.cameraOffset, play.startCamera));

    // This area is narrower than the view: the arrow keys stop before its
    // far wall would leave the view.
    keys[kVkRight] = true;
    for (int i = 0; i < 500; ++i) frame();
    keys[kVkRight] = false;
    EXPECT_LE(visibleRightOfPanel(shell->view.cameraOffset, 800, 600).left, -3.0f);

    frame(kVkEscape);
    EXPECT_EQ(shell->mode(), Mode::Menu);
    EXPECT_EQ(game.completedLevels, 0);
}

TEST_F(PlayKeysTest, TheIntroWaitsForANewPressAndTheOutcomeLineForTheBallToStop)
{
    // The press that chose the level is still held: the introduction stays.
    mouse.leftDown = true;
    frame();
    EXPECT_TRUE(play.introShown);
    mouse.leftDown = false;
    frame();
    mouse.leftDown = true;
    frame();
    EXPECT_FALSE(play.introShown);
    mouse.leftDown = false;

    // A try whose ball falls onto the floor and stays: the line says so.
    frame(kVkSpace);
    for (int i = 0; i < 3000 && play.tryWatch.outcome == TryOutcome::Running; ++i) frame(0, 1.0f);
    EXPECT_EQ(play.tryWatch.outcome, TryOutcome::Resting);
    ASSERT_EQ(play.outcomeTexts.size(), 2u);
    EXPECT_NE(play.outcomeTexts[1].text.find("press R"), std::string::npos);
    frame('R');
    EXPECT_TRUE(play.outcomeTexts[0].hiding);
    EXPECT_EQ(play.tryWatch.outcome, TryOutcome::Running);
}

TEST_F(PlayKeysTest, ADockPointIsLitOnlyWhileARopeCanStartOrEndThere)
{
    play.world.dockPoints.emplace_back();
    play.world.dockPoints.back().position = Vector2D(1.0f, 0.0f);
    mouse.world = Vector2D(1.02f, 0.0f);
    const std::size_t ropes = play.world.ropes.size();
    frame();
    EXPECT_TRUE(play.marks.dockPoints.back().selected);
    // A rope begun there and Space pressed with the button still down: the
    // try neither keeps the point lit nor draws the half-made rope.
    mouse.leftDown = true;
    frame();
    EXPECT_TRUE(play.dragging);
    frame(kVkSpace);
    EXPECT_FALSE(play.placing);
    EXPECT_FALSE(play.marks.dockPoints.back().selected);
    EXPECT_FALSE(play.dragging);
    mouse.leftDown = false;
    frame();
    EXPECT_EQ(play.world.ropes.size(), ropes);
}

TEST_F(PlayKeysTest, NextLevelCountsThisOneAndStartsTheNext)
{
    play.completed = true;
    play.fade = 1.0f;
    EXPECT_TRUE(play.hasNextLevel());
    EXPECT_EQ(play.completeTitle.text, "Level complete");
    mouse.x = 500;
    mouse.y = 455;  // on "Next level"
    mouse.leftDown = true;
    frame();
    mouse.leftDown = false;
    frame();
    EXPECT_EQ(game.completedLevels, 1);
    EXPECT_EQ(shell->mode(), Mode::Play);
    EXPECT_EQ(play.levelNumber, 1);
    EXPECT_FALSE(play.completed);
    EXPECT_EQ(play.descriptionTexts.front().text, "Second:");
    // The last level has no next one to offer: it says they are all done.
    EXPECT_FALSE(play.hasNextLevel());
    EXPECT_EQ(play.completeTitle.text, "All levels complete");
}

TEST_F(EditorTest, EscIsBackAndLeavesNoFieldTakingKeys)
{
    std::fill(std::begin(keysPressed), std::end(keysPressed), false);
    ed->inserts[kInsertSaveName].text = "ab";
    ed->inserts[kInsertSaveName].focused = true;
    keysPressed[kVkEscape] = true;
    ed->editorKeyDown(kVkEscape, input);  // the window procedure hands every key to the fields
    worldFrame(Vector2D(), false);
    clearKeyPresses();
    EXPECT_EQ(shell->mode(), Mode::Menu);
    EXPECT_EQ(ed->inserts[kInsertSaveName].text, "ab");
    EXPECT_FALSE(ed->inserts[kInsertSaveName].focused);
}

TEST_F(MenuTest, EscPressesTheScreensBackButtonOnlyWhereThereIsOne)
{
    readScreens("(0)[0]{1}<title>(1)[0]:0;{0}<300>{1}<300>{2}<200>{3}<20>{4}<Play>{5}<0>{6}<1>"
                "(0)[1]{1}<levels>(1)[1]:0;{0}<300>{1}<500>{2}<200>{3}<20>{4}<Back>{5}<0>{6}<0>");
    openScreen(1);
    keysPressed[kVkEscape] = true;
    updateAll(0.0f);
    clearKeyPresses();
    EXPECT_TRUE(menus[0].active);
    // On the title, with no Back, Esc does nothing.
    keysPressed[kVkEscape] = true;
    updateAll(0.0f);
    clearKeyPresses();
    EXPECT_TRUE(menus[0].active);
    EXPECT_FALSE(shell->quitRequested());
}

TEST(KeyPresses, APressCountsOnceHoweverLongTheKeyRepeats)
{
    Input input;
    const View view;
    windowProc(WindowMessage::keyDown(kVkSpace), input, view);
    EXPECT_TRUE(input.keysPressed[kVkSpace]);
    input.clearKeyPresses();
    windowProc(WindowMessage::keyDown(kVkSpace), input, view);  // a repeat
    EXPECT_FALSE(input.keysPressed[kVkSpace]);
    windowProc(WindowMessage::keyUp(kVkSpace), input, view);
    windowProc(WindowMessage::keyDown(kVkSpace), input, view);
    EXPECT_TRUE(input.keysPressed[kVkSpace]);
}
