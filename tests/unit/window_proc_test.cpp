#include <gtest/gtest.h>

#include "input/input.h"
#include "app/viewport.h"
#include "unit/fresh_shell.h"

namespace {

constexpr float kHalfWidth = 160.0f / 29.0f;  // visible half-width in world units

class WindowProcTest : public ::testing::Test {
protected:
    void SetUp() override { resetAppGlobals(); }
    void TearDown() override { resetAppGlobals(); }

    View view;  ///< the pointer maps to the world through it
    Input input;
    MouseState& mouse = input.mouse;
    bool (&keys)[256] = input.keys;

    void moveMouse(int x, int y)
    {
        windowProc(WindowMessage::mouseMove(x, y), input, view);
    }
};

} // namespace

TEST_F(WindowProcTest, CentrePixelMapsToTheCameraAtBothWindowSizes)
{
    view.cameraOffset = Vector2D(2.5f, -1.25f);

    moveMouse(400, 300);
    EXPECT_EQ(mouse.x, 400);
    EXPECT_EQ(mouse.y, 300);
    EXPECT_NEAR(mouse.world.x, 2.5f, 1e-5f);
    EXPECT_NEAR(mouse.world.y, -1.25f, 1e-5f);

    // The left edge is half a view-width left of the camera; the top edge is
    // higher by the same scale (both axes scaled by the width, y up).
    moveMouse(0, 0);
    EXPECT_NEAR(mouse.world.x, 2.5f - kHalfWidth, 1e-5f);
    EXPECT_NEAR(mouse.world.y, -1.25f + kHalfWidth * 600.0f / 800.0f, 1e-5f);

    view.width = 1024;
    view.height = 768;
    moveMouse(512, 384);
    EXPECT_NEAR(mouse.world.x, 2.5f, 1e-5f);
    EXPECT_NEAR(mouse.world.y, -1.25f, 1e-5f);
    moveMouse(1024, 768);
    EXPECT_NEAR(mouse.world.x, 2.5f + kHalfWidth, 1e-5f);
    EXPECT_NEAR(mouse.world.y, -1.25f - kHalfWidth * 768.0f / 1024.0f, 1e-5f);
}

TEST_F(WindowProcTest, MouseWorldPositionChangesOnlyWhenTheMouseMoves)
{
    moveMouse(100, 200);
    const Vector2D before = mouse.world;

    // The camera moving does not move the mouse's world position...
    view.cameraOffset.x += 1.0f;
    EXPECT_EQ(mouse.world.x, before.x);

    // ...nor does a click, which changes only the button flag.
    windowProc(WindowMessage::of(MessageKind::LButtonDown), input, view);
    EXPECT_TRUE(mouse.leftDown);
    EXPECT_EQ(mouse.x, 100);
    EXPECT_EQ(mouse.y, 200);
    EXPECT_EQ(mouse.world.x, before.x);
    windowProc(WindowMessage::of(MessageKind::LButtonUp), input, view);
    // No update has seen the press yet: it stays held for the next one.
    EXPECT_TRUE(mouse.leftDown);
    input.seenByUpdate();
    EXPECT_FALSE(mouse.leftDown);

    moveMouse(100, 200);
    EXPECT_NEAR(mouse.world.x, before.x + 1.0f, 1e-5f);

    // Wheel notches add up, either way, until the frame takes them; the
    // pointer stays where it was.
    windowProc(WindowMessage::wheelTurned(1), input, view);
    windowProc(WindowMessage::wheelTurned(-3), input, view);
    EXPECT_EQ(mouse.wheel, -2);
    EXPECT_EQ(mouse.x, 100);
}

TEST_F(WindowProcTest, MousePositionsArriveAsTheyWereSent)
{
    // No packing into message words: a position left of the window stays
    // left of it (the platform clamps to the picture before sending).
    moveMouse(-1, 7);
    EXPECT_EQ(mouse.x, -1);
    EXPECT_EQ(mouse.y, 7);
}

TEST_F(WindowProcTest, KeyFlagsFollowPressAndRelease)
{
    windowProc(WindowMessage::keyDown(kVkLeft), input, view);
    EXPECT_TRUE(keys[kVkLeft]);
    windowProc(WindowMessage::keyDown('A'), input, view);
    EXPECT_TRUE(keys['A']);
    windowProc(WindowMessage::keyUp(kVkLeft), input, view);
    EXPECT_FALSE(keys[kVkLeft]);
    EXPECT_TRUE(keys['A']);

    // A code beyond the table is ignored rather than written past its end.
    windowProc(WindowMessage::keyDown(256), input, view);
    windowProc(WindowMessage::keyUp(-1), input, view);
    EXPECT_TRUE(keys['A']);
}

TEST_F(WindowProcTest, OnlyMinimisingStopsTheFrames)
{
    windowProc(WindowMessage::activate(false, true), input, view);
    EXPECT_FALSE(windowActive);
    windowProc(WindowMessage::activate(true, false), input, view);
    EXPECT_TRUE(windowActive);
    // Losing the focus without minimising keeps the game running.
    windowActive = false;
    windowProc(WindowMessage::activate(false, false), input, view);
    EXPECT_TRUE(windowActive);
}

TEST_F(WindowProcTest, OtherMessagesChangeNothing)
{
    moveMouse(100, 200);
    windowProc(WindowMessage::keyDown('A'), input, view);
    const Vector2D world = mouse.world;
    windowProc(WindowMessage::of(MessageKind::Other), input, view);
    windowProc(WindowMessage::typed('b'), input, view);
    EXPECT_TRUE(keys['A']);
    EXPECT_FALSE(keys['B']);
    EXPECT_EQ(mouse.x, 100);
    EXPECT_EQ(mouse.world.x, world.x);
    WindowMessage quit;
    EXPECT_FALSE(takeQuitMessage(quit));
}

TEST_F(WindowProcTest, CloseRequestPostsOneQuitWithCodeZero)
{
    WindowMessage quit;
    EXPECT_FALSE(takeQuitMessage(quit));
    windowProc(WindowMessage::close(false), input, view);
    ASSERT_TRUE(takeQuitMessage(quit));
    EXPECT_EQ(quit.kind, MessageKind::Quit);
    EXPECT_EQ(quit.exitCode, 0);
    EXPECT_FALSE(takeQuitMessage(quit));
}

TEST_F(WindowProcTest, ResizeKeepsTheLogicalSizeForTheGame)
{
    // Whatever the drawable, the game lays out and maps the mouse for 800 x 600.
    PictureRect rect = recordDrawableSize(1920, 1080);
    EXPECT_EQ(view.width, 800);
    EXPECT_EQ(view.height, 600);
    EXPECT_EQ(rect.width, 1440);
    EXPECT_EQ(rect.x, 240);

    // A minimised window's empty drawable leaves nothing to draw into and no
    // division by zero for the projection.
    rect = recordDrawableSize(640, 0);
    EXPECT_EQ(rect.width, 0);
    EXPECT_EQ(rect.height, 0);
    EXPECT_EQ(view.height, 600);
    moveMouse(400, 300);
    EXPECT_NEAR(mouse.world.x, view.cameraOffset.x, 1e-5f);
}
