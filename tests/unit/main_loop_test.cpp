#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "input/input.h"
#include "app/viewport.h"
#include "app/frame_timing.h"
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
        std::uint64_t updates;  ///< run by the loop before this frame was shown
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
        swapMs = 10.0;
        swapCarry = 0.0;
        stallAt = -1;
        stallMs = 0;
        refreshHz = 0;
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
    /// A swap that waits like a display's: each takes swapMs of the fake
    /// clock (fractions carried over), or stallMs once, at frame stallAt.
    static inline double swapMs = 10.0;
    static inline double swapCarry = 0.0;
    static inline int stallAt = -1;
    static inline std::uint32_t stallMs = 0;
    static inline int refreshHz = 0;
    /// The view whose camera each frame records.
    static inline const View* watched = nullptr;
    static void swap()
    {
        swapCarry += swapMs;
        const auto whole = static_cast<std::uint32_t>(swapCarry);
        swapCarry -= whole;
        FakeClock::now += static_cast<int>(frames.size()) == stallAt ? stallMs : whole;
        frames.push_back({FakeClock::now, watched ? watched->cameraOffset : Vector2D(), loopCounts().updates});
    }

    static WindowServices services()
    {
        WindowServices window;
        window.createWindow = create;
        window.destroyWindow = destroy;
        window.peekMessage = peek;
        window.swapBuffers = swap;
        window.refreshRate = [] { return refreshHz; };
        return window;
    }
};

/// The game reads its data and writes its progress and logs in the working
/// folder, so each test runs in a fresh temporary one.
class MainLoopTest : public ShellTest {
protected:
    void SetUp() override
    {
        FakeWindow::reset();
        FakeWindow::watched = &shell->view;
        FakeClock::install(1000);
        outside = std::filesystem::current_path();
        std::filesystem::current_path(folder.root());
    }
    void TearDown() override
    {
        std::filesystem::current_path(outside);
        FakeClock::uninstall();
    }

    TestFolder folder;
    std::filesystem::path outside;
};

WindowMessage keyDown(int vk) { return WindowMessage::keyDown(vk); }
WindowMessage keyUp(int vk) { return WindowMessage::keyUp(vk); }

} // namespace

TEST_F(MainLoopTest, CameraKeysMoveOneTenthPerFrameAndOppositesCancel)
{
    shell->carryOut(ModeRequest::enterEditor());
    keys[kVkUp] = keys[kVkDown] = true;
    keys[kVkRight] = true;
    shell->update(1.0f);
    EXPECT_NEAR(shell->view.cameraOffset.y, 0.0f, 1e-6f);
    EXPECT_NEAR(shell->view.cameraOffset.x, -1.2f, 1e-6f);

    // Not scaled by the frame time: a 0.0 frame moves as far.
    keys[kVkRight] = false;
    keys[kVkLeft] = true;
    keys[kVkDown] = false;
    shell->update(0.0f);
    EXPECT_NEAR(shell->view.cameraOffset.x, -1.3f, 1e-6f);
    EXPECT_NEAR(shell->view.cameraOffset.y, 0.1f, 1e-6f);

    // The main menu ignores the arrow keys.
    shell->carryOut(ModeRequest::leave());
    shell->update(1.0f);
    EXPECT_NEAR(shell->view.cameraOffset.x, -1.3f, 1e-6f);
    EXPECT_NEAR(shell->view.cameraOffset.y, 0.1f, 1e-6f);
}

TEST_F(MainLoopTest, GameTimeRunsAtAHundredUpdatesASecondWhateverTheFrameTime)
{
    // A 144 Hz and a 60 Hz display whose swap waits, and frames of 40 ms.
    for (const auto& [frameMs, hz] : {std::pair{1000.0 / 144.0, 144}, {1000.0 / 60.0, 60}, {40.0, 60}}) {
        FakeWindow::reset();
        FreshShell fresh;
        fresh->carryOut(ModeRequest::enterEditor());
        FakeWindow::swapMs = frameMs;
        FakeWindow::refreshHz = hz;
        FakeWindow::closeAfterFrames = static_cast<int>(3000.0 / frameMs);
        const std::uint32_t start = FakeClock::now;
        runGame(*fresh, FakeWindow::services());

        // Over the three simulated seconds, one update per 10 ms up to the
        // last frame's start (the remainder of each frame carried over),
        // never a sleep on top of the swap's own wait.
        const auto& frames = FakeWindow::frames;
        const std::uint32_t lastStart = frames[frames.size() - 2].tick;
        EXPECT_NEAR(static_cast<double>(frames.back().updates), (lastStart - start) / 10.0, 1.0) << frameMs;
        EXPECT_EQ(FakeClock::slept, 0u) << frameMs;
        EXPECT_FALSE(loopCounts().pacing) << frameMs;
    }

    // A 5 s stall (a stopped machine) is caught up by at most the cap, not
    // replayed; the time beyond is dropped.
    FakeWindow::reset();
    FakeWindow::stallAt = 10;
    FakeWindow::stallMs = 5000;
    FakeWindow::closeAfterFrames = 20;
    runGame(*shell, FakeWindow::services());
    const auto& frames = FakeWindow::frames;
    EXPECT_EQ(frames[11].updates - frames[10].updates, static_cast<std::uint64_t>(kMaxUpdatesPerFrame));
    EXPECT_EQ(frames[12].updates - frames[11].updates, 1u);
    EXPECT_EQ(loopCounts().droppedMs, 5000u - kMaxUpdatesPerFrame * 10u);
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

TEST_F(MainLoopTest, F1TappedBetweenTwoFramesTogglesOnce)
{
    // Pressed and released before the loop looks: the press still counts.
    FakeWindow::script = {{1, keyDown(kVkF1)}, {1, keyUp(kVkF1)}};
    FakeWindow::closeAfterFrames = 3;
    runGame(*shell, FakeWindow::services());
    EXPECT_EQ(FakeWindow::created.size(), 2u);
}

TEST_F(MainLoopTest, FailedRecreationEndsAtOnceWithoutFurtherFrames)
{
    FakeWindow::script = {{1, keyDown(kVkF1)}};
    FakeWindow::failCreationNumber = 1;
    EXPECT_EQ(runGame(*shell, FakeWindow::services()), 0);
    EXPECT_EQ(FakeWindow::created.size(), 2u);
    EXPECT_EQ(FakeWindow::frames.size(), 1u);  // the toggle comes before the next frame
    EXPECT_EQ(FakeWindow::destroyed, 1);  // the toggle's; nothing is torn down twice
    EXPECT_FALSE(fullscreen);  // the mode that failed is not kept in the settings
}

TEST_F(MainLoopTest, MinimisedWindowSleepsAndStillTogglesOnF1)
{
    const WindowMessage minimised = WindowMessage::activate(false, true);
    const WindowMessage restored = WindowMessage::activate(true, false);
    FakeWindow::script = {{1, minimised}, {1, keyDown(kVkF1)}, {1, restored, 10}};
    FakeWindow::closeAfterFrames = 3;
    runGame(*shell, FakeWindow::services());

    // The toggle happened while no frame ran.
    ASSERT_EQ(FakeWindow::created.size(), 2u);
    ASSERT_EQ(FakeWindow::frames.size(), 3u);
    // Only 100 ms sleeps passed while minimised, and the first frame after
    // coming back starts at once (the time away is dropped, not caught up).
    // Each frame's swap takes 10 ms.
    const std::uint32_t gap = FakeWindow::frames[1].tick - FakeWindow::frames[0].tick - 10;
    EXPECT_GT(gap, 0u);
    EXPECT_EQ(gap % kInactiveSleepMs, 0u);
    EXPECT_EQ(FakeWindow::frames[2].tick - FakeWindow::frames[1].tick, 10u);
    EXPECT_LE(FakeWindow::frames[1].updates - FakeWindow::frames[0].updates, 1u);
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

TEST_F(MainLoopTest, ATapBetweenTwoUpdatesPressesAButtonOnce)
{
    // A missing file plays as an empty level; its "Exit" button leaves it.
    shell->playLevelFile("missing.txt", "Missing", -1);
    const Button& exit = shell->play.buttons[kExitLevel];
    const WindowMessage at =
        WindowMessage::mouseMove(static_cast<int>(exit.position.x + 5.0f), static_cast<int>(exit.position.y + 5.0f));
    // Press and release in one pass of messages, before any update saw them.
    FakeWindow::script = {{1, at},
                         {2, WindowMessage::of(MessageKind::LButtonDown)},
                         {2, WindowMessage::of(MessageKind::LButtonUp)}};
    FakeWindow::closeAfterFrames = 5;
    runGame(*shell, FakeWindow::services());
    EXPECT_EQ(shell->mode(), Mode::Menu);
    EXPECT_FALSE(mouse.leftDown);  // the update after saw it released
}

TEST_F(MainLoopTest, OneEscInAFrameOfTwoUpdatesActsOnce)
{
    // Esc leaves a test of the editor's level back to the editor; acted on
    // by both updates, the editor would take it as "Back" to the menu too.
    shell->carryOut(ModeRequest::enterEditor());
    shell->playEditedLevel();
    FakeWindow::swapMs = 20.0;  // two updates a frame
    FakeWindow::script = {{2, keyDown(kVkEscape)}, {2, keyUp(kVkEscape)}};
    FakeWindow::closeAfterFrames = 4;
    runGame(*shell, FakeWindow::services());
    EXPECT_EQ(FakeWindow::frames[2].updates - FakeWindow::frames[1].updates, 2u);
    EXPECT_EQ(shell->mode(), Mode::Editor);
}
