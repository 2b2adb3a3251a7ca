// What the game asks to hear, and the sound keys with the settings file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/game_paths.h"
#include "input/input.h"
#include "audio/sound_control.h"
#include "devtools/headless_player.h"
#include "fresh_shell.h"
#include "level/settings.h"
#include "unit/level_test_folder.h"

namespace {

std::vector<SoundId> heard;

void hear(SoundId id, float, float)
{
    heard.push_back(id);
}

/// A key press as the main loop hands it on: to the window procedure, then
/// to the shell.
void press(Shell& shell, int virtualKey)
{
    for (MessageKind kind : {MessageKind::KeyDown, MessageKind::KeyUp}) {
        const WindowMessage message{.kind = kind, .key = virtualKey};
        windowProc(message, shell.input, shell.view);
        shell.handleMessage(message);
    }
}

std::ptrdiff_t firstIndex(SoundId id)
{
    return std::find(heard.begin(), heard.end(), id) - heard.begin();
}

} // namespace

TEST(SoundRequests, TheFirstLevelPlayedSoundsItsRopeTheTryItsTouchesAndOneJingle)
{
    heard.clear();
    setSoundRequestHook(hear);
    const HeadlessResult result =
        playHeadless(std::string(TANGLOOP_SOURCE_DIR) + "/data/levels/Bridge.txt", {RopePlan{0, 1, {}}}, 800);
    setSoundRequestHook(nullptr);
    ASSERT_TRUE(result.completed);

    const auto count = [](SoundId id) { return std::count(heard.begin(), heard.end(), id); };
    EXPECT_EQ(count(SoundId::RopeHung), 1);
    EXPECT_EQ(count(SoundId::TryItOut), 1);
    EXPECT_EQ(count(SoundId::LevelCompleted), 1);
    EXPECT_EQ(count(SoundId::Return), 0);
    EXPECT_LT(firstIndex(SoundId::RopeHung), firstIndex(SoundId::TryItOut));
    EXPECT_LT(firstIndex(SoundId::TryItOut), firstIndex(SoundId::LevelCompleted));
    // The ball lands on the rope and rolls off along the lines, but a rolling
    // ball is heard now and then, not every frame.
    const std::ptrdiff_t touches = count(SoundId::BallOnRope) + count(SoundId::BallOnLine) + count(SoundId::BallOnWall);
    EXPECT_GT(count(SoundId::BallOnRope), 0);
    EXPECT_GT(touches, 1);
    EXPECT_LT(touches, result.frame / 5);
}

TEST(SoundKeys, MuteAndVolumeAreKeptInTheSettingsBesideTheWindowsAndATextFieldTakesM)
{
    FreshShell shell;
    const auto press = [&shell](int key) { ::press(*shell, key); };
    TestFolder folder;
    GamePaths paths;
    paths.configDir = folder.root();
    setGamePaths(paths);
    folder.write(kSettingsFileName, "window_width 1000\nwindow_height 700\nvolume 50\n");
    const auto saved = [&folder] { return parseSettings(folder.read(kSettingsFileName)); };

    initSound(saved(), false);
    EXPECT_EQ(soundVolume(), 50);
    EXPECT_FALSE(soundMuted());

    press('M');
    EXPECT_TRUE(soundMuted());
    EXPECT_TRUE(saved().muted);
    EXPECT_EQ(saved().windowWidth, 1000);  // the window's part of the file stays
    press('M');
    EXPECT_FALSE(saved().muted);
    // A held M repeats its key-down; only the press counts.
    shell->input.clearKeyPresses();
    for (int repeat = 0; repeat < 4; ++repeat) {
        const WindowMessage held{MessageKind::KeyDown, 'M', 0};
        windowProc(held, shell->input, shell->view);
        shell->handleMessage(held);
        shell->input.clearKeyPresses();
    }
    windowProc(WindowMessage{MessageKind::KeyUp, 'M', 0}, shell->input, shell->view);
    EXPECT_TRUE(soundMuted());
    press('M');

    // Keypad + and - step by 10, unmute, and stop at the ends.
    press('M');
    press(kVkAdd);
    EXPECT_FALSE(soundMuted());
    EXPECT_EQ(saved().volume, 60);
    for (int i = 0; i < 8; ++i) press(kVkSubtract);
    EXPECT_EQ(soundVolume(), 0);
    EXPECT_EQ(saved().volume, 0);
    for (int i = 0; i < 12; ++i) press(kVkAdd);
    EXPECT_EQ(saved().volume, kMaxVolume);
    EXPECT_EQ(saved().windowHeight, 700);

    // With Ctrl held a key is a command: Ctrl+M leaves the sound alone.
    windowProc(WindowMessage{MessageKind::KeyDown, kVkControl, 0}, shell->input, shell->view);
    press('M');
    windowProc(WindowMessage{MessageKind::KeyUp, kVkControl, 0}, shell->input, shell->view);
    EXPECT_FALSE(soundMuted());

    // In a focused editor field M is a letter like any other.
    shell->carryOut(ModeRequest::enterEditor());
    Insert& field = shell->editor.inserts[kInsertSaveName];
    const std::string before = field.text;
    field.focused = true;
    press('M');
    EXPECT_FALSE(soundMuted());
    EXPECT_EQ(field.text, before + "M");
    field.focused = false;

    // --mute silences one run and leaves the player's choice in the file.
    initSound(saved(), true);
    EXPECT_TRUE(soundMuted());
    EXPECT_FALSE(saved().muted);
    // The settings written as the game ends keep the player's choice, not --mute's.
    Settings atExit = saved();
    atExit.volume = 10;
    keepSoundChoice(atExit);
    EXPECT_FALSE(atExit.muted);
    EXPECT_EQ(atExit.volume, kMaxVolume);

    // A settings folder that cannot be written costs the choice, nothing more.
    paths.configDir = folder.path("missing/deeper");
    setGamePaths(paths);
    press('M');
    EXPECT_FALSE(soundMuted());

    setGamePaths(GamePaths{});
    setSoundMuted(false);
    setSoundVolume(Settings{}.volume);
}
