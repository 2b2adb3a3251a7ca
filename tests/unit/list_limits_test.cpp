#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "level/game.h"
#include "level/list_file.h"
#include "play_test_support.h"

namespace {

std::string repeatedEntries(const std::string& entry, std::size_t count)
{
    std::string text = "<first>\n";
    for (std::size_t i = 1; i < count; ++i) text += entry + "\n";
    return text;
}

// A list padded to millions of entries must not make millions of rows or
// picture loads: the start would stall for minutes and hold gigabytes.
TEST(ListLimits, OversizedListsKeepOnlyTheirFirstEntries)
{
    TestFolder folder;
    Game game;
    game.levelsFile = folder.path("levels.txt");
    game.themesFile = folder.path("themes.txt");
    writeText(game.levelsFile, repeatedEntries("<Bridge>", 200000));
    writeText(game.themesFile, repeatedEntries("<sky>", 5000));

    int loads = 0;
    scanThemes(game, [&loads](const std::string&) { return static_cast<unsigned int>(++loads); },
               folder.path("themes.log"));
    scanLevels(game, folder.path("levels.log"));

    ASSERT_EQ(game.levels.size(), kMaxLevels);
    EXPECT_EQ(game.levels.front().name, "first");
    EXPECT_EQ(game.levels.back().name, "Bridge");
    ASSERT_EQ(game.themes.size(), kMaxThemes);
    EXPECT_EQ(loads, static_cast<int>(kMaxThemes));
    EXPECT_EQ(game.themes.front().name, "first");

    // The logs list what was kept, not what the file held.
    const std::string log = readText(folder.path("levels.log"));
    EXPECT_EQ(static_cast<std::size_t>(std::count(log.begin(), log.end(), '\n')), kMaxLevels);
}

TEST(ListLimits, ListsWithinTheLimitsAreKeptWhole)
{
    TestFolder folder;
    Game game;
    game.levelsFile = folder.path("levels.txt");
    writeText(game.levelsFile, repeatedEntries("<Ramp>", kMaxLevels));
    scanLevels(game, folder.path("levels.log"));
    EXPECT_EQ(game.levels.size(), kMaxLevels);
}

}  // namespace
