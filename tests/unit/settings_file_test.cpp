#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "level/settings.h"

namespace {

TEST(SettingsFile, RoundTripsEveryField)
{
    Settings s;
    s.windowWidth = 1234;
    s.windowHeight = 777;
    s.maximized = true;
    s.fullscreen = true;
    s.volume = 0;
    s.muted = true;
    const Settings back = parseSettings(formatSettings(s));
    EXPECT_EQ(back.windowWidth, 1234);
    EXPECT_EQ(back.windowHeight, 777);
    EXPECT_TRUE(back.maximized);
    EXPECT_TRUE(back.fullscreen);
    EXPECT_EQ(back.volume, 0);
    EXPECT_TRUE(back.muted);
    EXPECT_EQ(formatSettings(back), formatSettings(s));
}

TEST(SettingsFile, BadValuesKeepTheDefaults)
{
    const Settings defaults;
    for (const char* text : {"", "\n\n", "garbage", "\x01\xff\xfe", "volume", "volume 101", "volume -1",
                             "volume 99999999999999999999", "volume 5x", "window_width -800\nwindow_height 600",
                             "window_width 800", "window_width 99999999\nwindow_height 600",
                             "window_width 100\nwindow_height 100", "muted maybe", "fullscreen 2"}) {
        const Settings s = parseSettings(text);
        EXPECT_EQ(s.windowWidth, defaults.windowWidth) << text;
        EXPECT_EQ(s.windowHeight, defaults.windowHeight) << text;
        EXPECT_EQ(s.volume, defaults.volume) << text;
        EXPECT_EQ(s.muted, defaults.muted) << text;
        EXPECT_EQ(s.fullscreen, defaults.fullscreen) << text;
    }
    // Good pairs beside bad ones still count; '=' and comments are allowed.
    const Settings s = parseSettings("# mine\r\nvolume=30 # quieter\r\nbogus 1\nwindow_width 640\nwindow_height 900\n");
    EXPECT_EQ(s.volume, 30);
    EXPECT_EQ(s.windowWidth, 640);
    EXPECT_EQ(s.windowHeight, 900);
}

TEST(SettingsFile, MissingHugeOrFolderFilesGiveDefaults)
{
    const auto dir = std::filesystem::path(testing::TempDir()) / "settings_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "folder.txt");
    EXPECT_EQ(loadSettings((dir / "missing.txt").string()).volume, Settings{}.volume);
    EXPECT_EQ(loadSettings((dir / "folder.txt").string()).volume, Settings{}.volume);
    {
        std::ofstream huge(dir / "huge.txt");
        huge << "volume 5\n" << std::string(1 << 20, 'x');
    }
    EXPECT_EQ(loadSettings((dir / "huge.txt").string()).volume, Settings{}.volume);

    Settings s;
    s.volume = 12;
    ASSERT_TRUE(saveSettings((dir / "settings.txt").string(), s));
    EXPECT_EQ(loadSettings((dir / "settings.txt").string()).volume, 12);
    EXPECT_FALSE(saveSettings((dir / "no" / "such" / "settings.txt").string(), s));
    std::filesystem::remove_all(dir);
}

} // namespace
