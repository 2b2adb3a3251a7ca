#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "app/main_loop.h"
#include "app/viewport.h"
#include "unit/shell_state.h"

namespace {

/// A window system made of lists: scripted messages released after a given
/// number of frames, and a record of every window made and frame shown.
struct FakeShell {
    struct Scripted {
        int afterFrames;
        WindowMessage message;
        int afterPeeks = 0;
    };
    struct Created {
        int width;
        int height;
        int bits;
        bool fullscreen;
    };
    struct Frame {
        std::uint32_t tick;
        Vector2D camera;
    };

    static inline std::vector<Scripted> script;
    static inline std::size_t nextMessage = 0;
    static inline int closeAfterFrames = 5;
    static inline int closeAfterPeeks = 10000;  // a safety net for loops with no frames
    static inline int peeks = 0;
    static inline std::vector<Created> created;
    static inline int failCreationNumber = -1;  // index into created that fails
    static inline int destroyed = 0;
    static inline std::vector<Frame> frames;

    static void reset()
    {
        script.clear();
        nextMessage = 0;
        closeAfterFrames = 5;
        closeAfterPeeks = 10000;
        peeks = 0;
        created.clear();
        failCreationNumber = -1;
        destroyed = 0;
        frames.clear();
    }

    static bool create(const char*, int width, int height, int bits, bool fs)
    {
        created.push_back({width, height, bits, fs});
        if (static_cast<int>(created.size()) - 1 == failCreationNumber) return false;
        fullscreen = fs;
        recordDrawableSize(width, height);
        return true;
    }
    static void destroy() { ++destroyed; }
    static bool peek(WindowMessage& out)
    {
        ++peeks;
        const int shown = static_cast<int>(frames.size());
        if (nextMessage < script.size() && shown >= script[nextMessage].afterFrames &&
            peeks > script[nextMessage].afterPeeks) {
            out = script[nextMessage++].message;
            return true;
        }
        if (shown >= closeAfterFrames || peeks >= closeAfterPeeks) {
            out = {MessageKind::Close};
            return true;
        }
        return false;
    }
    static void swap() { frames.push_back({FakeClock::now, cameraOffset}); }

    static ShellServices services()
    {
        ShellServices shell;
        shell.createWindow = create;
        shell.destroyWindow = destroy;
        shell.peekMessage = peek;
        shell.swapBuffers = swap;
        return shell;
    }
};

class MainLoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetShellState();
        FakeShell::reset();
        FakeClock::install(1000);
    }
    void TearDown() override
    {
        FakeClock::uninstall();
        resetShellState();
    }
};

WindowMessage keyDown(int vk) { return {MessageKind::KeyDown, static_cast<std::uint32_t>(vk)}; }
WindowMessage keyUp(int vk) { return {MessageKind::KeyUp, static_cast<std::uint32_t>(vk)}; }

} // namespace

TEST_F(MainLoopTest, CameraKeysMoveOneTenthPerFrameAndOppositesCancel)
{
    inMainMenu = false;
    keys[kVkUp] = keys[kVkDown] = true;
    keys[kVkRight] = true;
    updateFrame(1.0f);
    EXPECT_NEAR(cameraOffset.y, 0.0f, 1e-6f);
    EXPECT_NEAR(cameraOffset.x, -1.2f, 1e-6f);

    // Not scaled by the frame time: a 0.0 frame moves as far.
    keys[kVkRight] = false;
    keys[kVkLeft] = true;
    keys[kVkDown] = false;
    updateFrame(0.0f);
    EXPECT_NEAR(cameraOffset.x, -1.3f, 1e-6f);
    EXPECT_NEAR(cameraOffset.y, 0.1f, 1e-6f);

    // The main menu ignores the arrow keys.
    inMainMenu = true;
    updateFrame(1.0f);
    EXPECT_NEAR(cameraOffset.x, -1.3f, 1e-6f);
    EXPECT_NEAR(cameraOffset.y, 0.1f, 1e-6f);
}

TEST_F(MainLoopTest, FramesStartTenMillisecondsApartEachAWholeStep)
{
    inMainMenu = false;
    keys[kVkRight] = true;
    FakeShell::closeAfterFrames = 4;
    EXPECT_EQ(runGame(FakeShell::services()), 0);

    ASSERT_EQ(FakeShell::frames.size(), 4u);
    EXPECT_EQ(FakeShell::frames[0].tick, 1010u);
    for (std::size_t i = 1; i < FakeShell::frames.size(); ++i) {
        EXPECT_EQ(FakeShell::frames[i].tick - FakeShell::frames[i - 1].tick, 10u);
        // Each paced frame gets the frame time 1.0; the camera shows one step each.
        EXPECT_NEAR(FakeShell::frames[i].camera.x - FakeShell::frames[i - 1].camera.x, 0.1f, 1e-5f);
    }
    EXPECT_EQ(lastTick, FakeShell::frames.back().tick);
}

TEST_F(MainLoopTest, CloseRequestEndsTheLoopOnceWithExitCodeZero)
{
    FakeShell::closeAfterFrames = 2;
    EXPECT_EQ(runGame(FakeShell::services()), 0);
    EXPECT_TRUE(quitRequested);
    EXPECT_EQ(FakeShell::frames.size(), 2u);
    EXPECT_EQ(FakeShell::created.size(), 1u);
    EXPECT_EQ(FakeShell::destroyed, 1);

    const FakeShell::Created& first = FakeShell::created[0];
    EXPECT_EQ(first.width, 800);
    EXPECT_EQ(first.height, 600);
    EXPECT_EQ(first.bits, 32);
    EXPECT_FALSE(first.fullscreen);
}

TEST_F(MainLoopTest, QuitCodeAndMenuQuitBothLeaveTheOrderlyWay)
{
    // A posted quit ends the loop with its code.
    FakeShell::script = {{1, {MessageKind::Other}}};
    postQuitMessage(7);
    EXPECT_EQ(runGame(FakeShell::services()), 7);
    EXPECT_EQ(FakeShell::frames.size(), 0u);  // taken before any frame
    EXPECT_EQ(FakeShell::destroyed, 1);

    // Setting quitRequested (the menu's quit) ends after the current pass.
    resetShellState();
    FakeShell::reset();
    quitRequested = true;
    EXPECT_EQ(runGame(FakeShell::services()), 0);
    EXPECT_EQ(FakeShell::destroyed, 1);
}

TEST_F(MainLoopTest, FirstWindowFailureEndsAtOnce)
{
    FakeShell::failCreationNumber = 0;
    EXPECT_EQ(runGame(FakeShell::services()), 0);
    EXPECT_EQ(FakeShell::peeks, 0);
    EXPECT_EQ(FakeShell::destroyed, 0);
}

TEST_F(MainLoopTest, F1RecreatesTheWindowInTheOtherModeAndBack)
{
    FakeShell::script = {{1, keyDown(kVkF1)}, {2, keyDown(kVkF1)}};
    FakeShell::closeAfterFrames = 4;
    EXPECT_EQ(runGame(FakeShell::services()), 0);

    // Both modes show the same logical picture; the window system scales it.
    ASSERT_EQ(FakeShell::created.size(), 3u);
    EXPECT_EQ(FakeShell::created[1].width, 800);
    EXPECT_EQ(FakeShell::created[1].height, 600);
    EXPECT_EQ(FakeShell::created[1].bits, 32);
    EXPECT_TRUE(FakeShell::created[1].fullscreen);
    EXPECT_EQ(FakeShell::created[2].width, 800);
    EXPECT_EQ(FakeShell::created[2].height, 600);
    EXPECT_FALSE(FakeShell::created[2].fullscreen);
    EXPECT_EQ(FakeShell::destroyed, 3);  // two toggles and the exit
    EXPECT_FALSE(keys[kVkF1]);           // the loop clears the flag itself
    EXPECT_EQ(FakeShell::frames.size(), 4u);
}

TEST_F(MainLoopTest, F11AndAltEnterToggleOnceEachLikeF1)
{
    // F11; then Alt held with Enter; then Enter alone, which is no request.
    FakeShell::script = {{1, keyDown(kVkF1 + 10)},
                         {2, keyDown(kVkMenu)},
                         {2, keyDown(kVkReturn)},
                         {3, keyUp(kVkMenu)},
                         {3, keyDown(kVkReturn)}};
    FakeShell::closeAfterFrames = 5;
    runGame(FakeShell::services());
    ASSERT_EQ(FakeShell::created.size(), 3u);
    EXPECT_TRUE(FakeShell::created[1].fullscreen);
    EXPECT_FALSE(FakeShell::created[2].fullscreen);
    EXPECT_FALSE(keys[kVkF1 + 10]);
    EXPECT_TRUE(keys[kVkReturn]);  // Enter alone stays a key for the game
}

TEST_F(MainLoopTest, F1ReleasedBeforeTheQueueRunsEmptyDoesNotToggle)
{
    FakeShell::script = {{1, keyDown(kVkF1)}, {1, keyUp(kVkF1)}};
    FakeShell::closeAfterFrames = 3;
    runGame(FakeShell::services());
    EXPECT_EQ(FakeShell::created.size(), 1u);
}

TEST_F(MainLoopTest, FailedRecreationEndsAtOnceWithoutFurtherFrames)
{
    FakeShell::script = {{1, keyDown(kVkF1)}};
    FakeShell::failCreationNumber = 1;
    EXPECT_EQ(runGame(FakeShell::services()), 0);
    EXPECT_EQ(FakeShell::created.size(), 2u);
    EXPECT_EQ(FakeShell::frames.size(), 2u);
    EXPECT_EQ(FakeShell::destroyed, 1);  // the toggle's; nothing is torn down twice
}

TEST_F(MainLoopTest, MinimisedWindowSleepsAndStillTogglesOnF1)
{
    const std::uint32_t minimised = packWords(0, 1);
    const std::uint32_t restored = packWords(1, 0);
    FakeShell::script = {{1, {MessageKind::Activate, minimised}},
                         {1, keyDown(kVkF1)},
                         {1, {MessageKind::Activate, restored}, 10}};
    FakeShell::closeAfterFrames = 3;
    runGame(FakeShell::services());

    // The toggle happened while no frame ran.
    ASSERT_EQ(FakeShell::created.size(), 2u);
    ASSERT_EQ(FakeShell::frames.size(), 3u);
    // Only 100 ms sleeps passed while minimised, and the first frame after
    // coming back starts at once: lastTick stood still, so no pacing wait.
    const std::uint32_t gap = FakeShell::frames[1].tick - FakeShell::frames[0].tick;
    EXPECT_GT(gap, 0u);
    EXPECT_EQ(gap % kInactiveSleepMs, 0u);
    EXPECT_EQ(FakeShell::frames[2].tick - FakeShell::frames[1].tick, 10u);
}
