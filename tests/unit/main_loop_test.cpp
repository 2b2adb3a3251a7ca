#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "app/input.h"
#include "app/viewport.h"
#include "game/main_loop.h"
#include "unit/fresh_shell.h"
#include "unit/level_test_folder.h"

namespace {

/// A window system made of lists: scripted messages released after a given
/// number of frames, and a record of every window made and frame shown.
struct FakeWindow {
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

    static WindowServices services()
    {
        WindowServices window;
        window.createWindow = create;
        window.destroyWindow = destroy;
        window.peekMessage = peek;
        window.swapBuffers = swap;
        return window;
    }
};

/// The game reads its data and writes its progress and logs in the working
/// folder, so each test runs in a fresh temporary one.
class MainLoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeWindow::reset();
        FakeClock::install(1000);
        outside = std::filesystem::current_path();
        std::filesystem::current_path(folder.root());
    }
    void TearDown() override
    {
        std::filesystem::current_path(outside);
        FakeClock::uninstall();
    }

    FreshShell shell;
    TestFolder folder;
    std::filesystem::path outside;
};

WindowMessage keyDown(int vk) { return {MessageKind::KeyDown, static_cast<std::uint32_t>(vk)}; }
WindowMessage keyUp(int vk) { return {MessageKind::KeyUp, static_cast<std::uint32_t>(vk)}; }

} // namespace

TEST_F(MainLoopTest, CameraKeysMoveOneTenthPerFrameAndOppositesCancel)
{
    shell->carryOut(ModeRequest::enterEditor());
    keys[kVkUp] = keys[kVkDown] = true;
    keys[kVkRight] = true;
    shell->update(1.0f);
    EXPECT_NEAR(cameraOffset.y, 0.0f, 1e-6f);
    EXPECT_NEAR(cameraOffset.x, -1.2f, 1e-6f);

    // Not scaled by the frame time: a 0.0 frame moves as far.
    keys[kVkRight] = false;
    keys[kVkLeft] = true;
    keys[kVkDown] = false;
    shell->update(0.0f);
    EXPECT_NEAR(cameraOffset.x, -1.3f, 1e-6f);
    EXPECT_NEAR(cameraOffset.y, 0.1f, 1e-6f);

    // The main menu ignores the arrow keys.
    shell->carryOut(ModeRequest::leave());
    shell->update(1.0f);
    EXPECT_NEAR(cameraOffset.x, -1.3f, 1e-6f);
    EXPECT_NEAR(cameraOffset.y, 0.1f, 1e-6f);
}

TEST_F(MainLoopTest, FramesStartTenMillisecondsApartEachAWholeStep)
{
    shell->carryOut(ModeRequest::enterEditor());
    keys[kVkRight] = true;
    FakeWindow::closeAfterFrames = 4;
    EXPECT_EQ(runGame(*shell, FakeWindow::services()), 0);

    ASSERT_EQ(FakeWindow::frames.size(), 4u);
    EXPECT_EQ(FakeWindow::frames[0].tick, 1010u);
    for (std::size_t i = 1; i < FakeWindow::frames.size(); ++i) {
        EXPECT_EQ(FakeWindow::frames[i].tick - FakeWindow::frames[i - 1].tick, 10u);
        // Each paced frame gets the frame time 1.0; the camera shows one step each.
        EXPECT_NEAR(FakeWindow::frames[i].camera.x - FakeWindow::frames[i - 1].camera.x, 0.1f, 1e-5f);
    }
}

TEST_F(MainLoopTest, CloseRequestEndsTheLoopOnceWithExitCodeZero)
{
    FakeWindow::closeAfterFrames = 2;
    EXPECT_EQ(runGame(*shell, FakeWindow::services()), 0);
    EXPECT_TRUE(shell->quitRequested());
    EXPECT_EQ(FakeWindow::frames.size(), 2u);
    EXPECT_EQ(FakeWindow::created.size(), 1u);
    EXPECT_EQ(FakeWindow::destroyed, 1);

    const FakeWindow::Created& first = FakeWindow::created[0];
    EXPECT_EQ(first.width, 800);
    EXPECT_EQ(first.height, 600);
    EXPECT_EQ(first.bits, 32);
    EXPECT_FALSE(first.fullscreen);
}

TEST_F(MainLoopTest, QuitCodeAndMenuQuitBothLeaveTheOrderlyWay)
{
    // A posted quit ends the loop with its code.
    FakeWindow::script = {{1, {MessageKind::Other}}};
    postQuitMessage(7);
    EXPECT_EQ(runGame(*shell, FakeWindow::services()), 7);
    EXPECT_EQ(FakeWindow::frames.size(), 0u);  // taken before any frame
    EXPECT_EQ(FakeWindow::destroyed, 1);

    // The menu's quit ends the loop after the current pass.
    FakeWindow::reset();
    FreshShell quitting;
    quitting->carryOut(ModeRequest::quit());
    EXPECT_EQ(runGame(*quitting, FakeWindow::services()), 0);
    EXPECT_EQ(FakeWindow::destroyed, 1);
}

TEST_F(MainLoopTest, FirstWindowFailureEndsAtOnce)
{
    FakeWindow::failCreationNumber = 0;
    EXPECT_EQ(runGame(*shell, FakeWindow::services()), 0);
    EXPECT_EQ(FakeWindow::peeks, 0);
    EXPECT_EQ(FakeWindow::destroyed, 0);
}

TEST_F(MainLoopTest, F1RecreatesTheWindowInTheOtherModeAndBack)
{
    FakeWindow::script = {{1, keyDown(kVkF1)}, {2, keyDown(kVkF1)}};
    FakeWindow::closeAfterFrames = 4;
    EXPECT_EQ(runGame(*shell, FakeWindow::services()), 0);

    // Both modes show the same logical picture; the window system scales it.
    ASSERT_EQ(FakeWindow::created.size(), 3u);
    EXPECT_EQ(FakeWindow::created[1].width, 800);
    EXPECT_EQ(FakeWindow::created[1].height, 600);
    EXPECT_EQ(FakeWindow::created[1].bits, 32);
    EXPECT_TRUE(FakeWindow::created[1].fullscreen);
    EXPECT_EQ(FakeWindow::created[2].width, 800);
    EXPECT_EQ(FakeWindow::created[2].height, 600);
    EXPECT_FALSE(FakeWindow::created[2].fullscreen);
    EXPECT_EQ(FakeWindow::destroyed, 3);  // two toggles and the exit
    EXPECT_FALSE(keys[kVkF1]);           // the loop clears the flag itself
    EXPECT_EQ(FakeWindow::frames.size(), 4u);
}

TEST_F(MainLoopTest, F11AndAltEnterToggleOnceEachLikeF1)
{
    // F11; then Alt held with Enter; then Enter alone, which is no request.
    FakeWindow::script = {{1, keyDown(kVkF1 + 10)},
                         {2, keyDown(kVkMenu)},
                         {2, keyDown(kVkReturn)},
                         {3, keyUp(kVkMenu)},
                         {3, keyDown(kVkReturn)}};
    FakeWindow::closeAfterFrames = 5;
    runGame(*shell, FakeWindow::services());
    ASSERT_EQ(FakeWindow::created.size(), 3u);
    EXPECT_TRUE(FakeWindow::created[1].fullscreen);
    EXPECT_FALSE(FakeWindow::created[2].fullscreen);
    EXPECT_FALSE(keys[kVkF1 + 10]);
    EXPECT_TRUE(keys[kVkReturn]);  // Enter alone stays a key for the game
}

TEST_F(MainLoopTest, F1ReleasedBeforeTheQueueRunsEmptyDoesNotToggle)
{
    FakeWindow::script = {{1, keyDown(kVkF1)}, {1, keyUp(kVkF1)}};
    FakeWindow::closeAfterFrames = 3;
    runGame(*shell, FakeWindow::services());
    EXPECT_EQ(FakeWindow::created.size(), 1u);
}

TEST_F(MainLoopTest, FailedRecreationEndsAtOnceWithoutFurtherFrames)
{
    FakeWindow::script = {{1, keyDown(kVkF1)}};
    FakeWindow::failCreationNumber = 1;
    EXPECT_EQ(runGame(*shell, FakeWindow::services()), 0);
    EXPECT_EQ(FakeWindow::created.size(), 2u);
    EXPECT_EQ(FakeWindow::frames.size(), 2u);
    EXPECT_EQ(FakeWindow::destroyed, 1);  // the toggle's; nothing is torn down twice
    EXPECT_FALSE(fullscreen);  // the mode that failed is not kept in the settings
}

TEST_F(MainLoopTest, MinimisedWindowSleepsAndStillTogglesOnF1)
{
    const std::uint32_t minimised = packWords(0, 1);
    const std::uint32_t restored = packWords(1, 0);
    FakeWindow::script = {{1, {MessageKind::Activate, minimised}},
                         {1, keyDown(kVkF1)},
                         {1, {MessageKind::Activate, restored}, 10}};
    FakeWindow::closeAfterFrames = 3;
    runGame(*shell, FakeWindow::services());

    // The toggle happened while no frame ran.
    ASSERT_EQ(FakeWindow::created.size(), 2u);
    ASSERT_EQ(FakeWindow::frames.size(), 3u);
    // Only 100 ms sleeps passed while minimised, and the first frame after
    // coming back starts at once: lastTick stood still, so no pacing wait.
    const std::uint32_t gap = FakeWindow::frames[1].tick - FakeWindow::frames[0].tick;
    EXPECT_GT(gap, 0u);
    EXPECT_EQ(gap % kInactiveSleepMs, 0u);
    EXPECT_EQ(FakeWindow::frames[2].tick - FakeWindow::frames[1].tick, 10u);
}

TEST_F(MainLoopTest, KeyPressesReachTheEditorsFocusedFieldWhateverTheMode)
{
    // The loop hands every message to the shell after the window procedure;
    // a field left focused keeps taking keys from the menu, as it always has.
    shell->editor.inserts[kInsertSaveName].focused = true;
    FakeWindow::script = {{1, keyDown('A')}, {1, keyDown(256)}, {1, keyDown('B')}};
    FakeWindow::closeAfterFrames = 3;
    runGame(*shell, FakeWindow::services());
    EXPECT_EQ(shell->mode(), Mode::Menu);
    EXPECT_EQ(shell->editor.inserts[kInsertSaveName].text, "AB");
    EXPECT_TRUE(keys['A']);
}
