#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "level/game.h"
#include "level/list_file.h"
#include "play_test_support.h"

namespace {

class ListScanTest : public ::testing::Test {
protected:
    TestFolder folder;
    Game scanned;
    std::vector<std::string> loaded;

    void SetUp() override
    {
        scanned.themesFile = folder.path("themes.txt");
        scanned.levelsFile = folder.path("levels.txt");
    }

    TextureLoader loader()
    {
        return [this](const std::string& path) {
            loaded.push_back(path);
            return static_cast<unsigned int>(loaded.size() + 10);
        };
    }
};

TEST(ListEntries, EntriesAreTheTextBetweenAngleBrackets)
{
    EXPECT_EQ(parseListEntries("<hill> <cave>"), (std::vector<std::string>{"hill", "cave"}));
    // Text, line breaks and comments outside the brackets count for nothing.
    EXPECT_EQ(parseListEntries("// first levels\n<a>\r\nnotes > here <b>\n# end"),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(parseListEntries("<>"), (std::vector<std::string>{""}));
    // A '<' met inside an entry is part of the name.
    EXPECT_EQ(parseListEntries("<a<b>"), (std::vector<std::string>{"a<b"}));
    // An entry never closed is dropped.
    EXPECT_EQ(parseListEntries("<a> <unfinished"), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(parseListEntries("").empty());
}

TEST_F(ListScanTest, ThemesGetTheirPicturesAndOneLogLinePerEntry)
{
    writeText(scanned.themesFile, "<Grass> <Night sky>");
    scanThemes(scanned, loader(), folder.path("themes.log"));

    ASSERT_EQ(scanned.themes.size(), 2u);
    EXPECT_EQ(scanned.themes[0].name, "Grass");
    EXPECT_EQ(scanned.themes[1].name, "Night sky");
    EXPECT_EQ(scanned.themes[0].texture, 11u);
    EXPECT_EQ(loaded, (std::vector<std::string>{"Themes/Grass.bmp", "Themes/Night sky.bmp"}));
    EXPECT_EQ(readText(folder.path("themes.log")), "\nFound theme Grass\nFound theme Night sky");
}

TEST_F(ListScanTest, ANewContextReloadsEveryThemeAndTheCurrentOneFollows)
{
    writeText(scanned.themesFile, "<Grass> <Rock>");
    scanThemes(scanned, loader(), folder.path("themes.log"));
    makeThemeCurrent(scanned, scanned.themes[1]);
    ASSERT_EQ(*scanned.currentTexture, 12u);

    // The old context's names are gone with it: each picture is loaded anew
    // and the current theme shows the new name.
    reloadThemePictures(scanned, loader());
    EXPECT_EQ(loaded, (std::vector<std::string>{"Themes/Grass.bmp", "Themes/Rock.bmp", "Themes/Grass.bmp",
                                                "Themes/Rock.bmp"}));
    EXPECT_EQ(scanned.themes[0].texture, 13u);
    EXPECT_EQ(*scanned.currentTexture, 14u);
}

TEST_F(ListScanTest, LevelsKeepFileOrderAndLogEmptyNames)
{
    writeText(scanned.levelsFile, "levels in order:\n<First steps>\n<>\n<Swing<2>");
    scanLevels(scanned, folder.path("levels.log"));

    ASSERT_EQ(scanned.levels.size(), 3u);
    EXPECT_EQ(scanned.levels[0].name, "First steps");
    EXPECT_EQ(scanned.levels[1].name, "");
    EXPECT_EQ(scanned.levels[2].name, "Swing<2");
    EXPECT_EQ(readText(folder.path("levels.log")), "\nFound level First steps\nFound level \nFound level Swing<2");
}

TEST_F(ListScanTest, EmptyListGivesEmptyLog)
{
    writeText(folder.path("levels.log"), "old log");
    writeText(scanned.levelsFile, "");
    scanLevels(scanned, folder.path("levels.log"));
    EXPECT_TRUE(scanned.levels.empty());
    EXPECT_EQ(readText(folder.path("levels.log")), "");
}

TEST_F(ListScanTest, MissingOrReadOnlyListKeepsTheOldLog)
{
    writeText(folder.path("themes.log"), "old themes log");
    scanThemes(scanned, loader(), folder.path("themes.log"));
    EXPECT_TRUE(scanned.themes.empty());
    EXPECT_EQ(readText(folder.path("themes.log")), "old themes log");

    // Read-only counts as missing even when the tests run as root, who could
    // write the file anyway.
    writeText(folder.path("levels.log"), "old levels log");
    writeText(scanned.levelsFile, "<a>");
    std::filesystem::permissions(scanned.levelsFile, std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::group_read |
                                                         std::filesystem::perms::others_read);
    scanLevels(scanned, folder.path("levels.log"));
    EXPECT_TRUE(scanned.levels.empty());
    EXPECT_EQ(readText(folder.path("levels.log")), "old levels log");

    // A folder or a pipe where the list should be is no list either (a pipe
    // would block the read for ever).
    std::filesystem::create_directory(folder.path("folder.txt"));
    scanned.levelsFile = folder.path("folder.txt");
    scanLevels(scanned, folder.path("levels.log"));
    EXPECT_TRUE(scanned.levels.empty());
    ASSERT_EQ(mkfifo(folder.path("pipe.txt").c_str(), 0666), 0);
    scanned.levelsFile = folder.path("pipe.txt");
    scanLevels(scanned, folder.path("levels.log"));
    EXPECT_TRUE(scanned.levels.empty());
    EXPECT_EQ(readText(folder.path("levels.log")), "old levels log");
}

TEST(Themes, ApplyThemeMakesTheLastMatchCurrent)
{
    Game game;
    game.themes = {{"Grass", 3}, {"Rock", 4}, {"Grass", 5}};

    EXPECT_TRUE(applyTheme(game, "Grass"));
    ASSERT_NE(game.currentTexture, nullptr);
    EXPECT_EQ(*game.currentTexture, 5u);
    EXPECT_EQ(game.currentThemeName, "Grass");

    // No match leaves the current theme alone.
    EXPECT_FALSE(applyTheme(game, "Sand"));
    EXPECT_EQ(*game.currentTexture, 5u);
    EXPECT_EQ(game.currentThemeName, "Grass");
    // Names ignore letter case (the editor types capitals); the theme keeps
    // its own spelling.
    EXPECT_TRUE(applyTheme(game, "ROCK"));
    EXPECT_EQ(*game.currentTexture, 4u);
    EXPECT_EQ(game.currentThemeName, "Rock");

    // A theme whose picture failed still applies, with texture 0.
    game.themes.push_back({"Broken", 0});
    game.currentTexture = nullptr;
    EXPECT_TRUE(applyTheme(game, "Broken"));
    ASSERT_NE(game.currentTexture, nullptr);
    EXPECT_EQ(*game.currentTexture, 0u);
}

}  // namespace
