#include <gtest/gtest.h>

#include "app/input.h"
#include "level/game.h"
#include "menu/level_list.h"
#include "unit/fresh_shell.h"

namespace {

class LevelListTest : public ::testing::Test {
protected:
    Game game;
    LevelList list;

    void SetUp() override
    {
        game.levels = {Level("One"), Level("Two"), Level("Three")};
        game.completedLevels = 0;
        list.position = Vector2D(100.0f, 100.0f);
        list.size = Vector2D(200.0f, 100.0f);
    }
    void TearDown() override { resetAppGlobals(); }

    /// Points at pixel row y (x inside the list) and updates once.
    void pointAt(int y, bool down = false)
    {
        mouse.x = 150;
        mouse.y = y;
        mouse.leftDown = down;
        list.update(game);
    }
};

// Row i spans the pixels from 100 + 11 * (i + 1) to 11 more.
constexpr int kRow0 = 116;
constexpr int kRow1 = 127;
constexpr int kRow2 = 138;

TEST_F(LevelListTest, FirstUpdateBuildsHiddenCentredItems)
{
    list.update(game);
    ASSERT_TRUE(list.built);
    ASSERT_EQ(list.items.size(), 3u);
    EXPECT_EQ(list.items[2].text, "Three");
    EXPECT_EQ(list.items[2].delay, 38);
    EXPECT_EQ(list.items[2].alignment, 1);
    EXPECT_EQ(list.items[2].maxSize, 11.0f);
    EXPECT_EQ(list.items[2].position.x, 200.0f);
    EXPECT_EQ(list.items[2].position.y, 100.0f + 33.0f + 5.0f);
    EXPECT_TRUE(list.items[0].hiding);

    // Built once only.
    list.update(game);
    EXPECT_EQ(list.items.size(), 3u);
}

TEST_F(LevelListTest, OnlyOpenRowsReactToTheMouse)
{
    pointAt(kRow0);
    EXPECT_EQ(list.hoverIndex, 0);
    pointAt(kRow1);
    EXPECT_EQ(list.hoverIndex, -1);
    pointAt(kRow2, true);
    EXPECT_EQ(list.hoverIndex, -1);
    EXPECT_EQ(list.selectedIndex, -1);

    game.completedLevels = 1;
    pointAt(kRow1);
    EXPECT_EQ(list.hoverIndex, 1);
    pointAt(kRow2);
    EXPECT_EQ(list.hoverIndex, -1);

    // A count beyond the number of levels opens every row.
    game.completedLevels = 7;
    pointAt(kRow2);
    EXPECT_EQ(list.hoverIndex, 2);

    // Outside the rectangle, and on the heading row above the first level.
    pointAt(99);
    EXPECT_EQ(list.hoverIndex, -1);
    pointAt(105);
    EXPECT_EQ(list.hoverIndex, -1);
}

TEST_F(LevelListTest, SelectionLastsWhileTheButtonIsDown)
{
    pointAt(kRow0, true);
    EXPECT_EQ(list.selectedIndex, 0);
    pointAt(kRow0, true);
    EXPECT_EQ(list.selectedIndex, 0);
    pointAt(kRow0, false);
    EXPECT_EQ(list.selectedIndex, -1);
    EXPECT_EQ(list.hoverIndex, 0);

    // A closed list keeps its last answers and reacts to nothing.
    pointAt(kRow0, true);
    list.hide();
    pointAt(kRow0, false);
    EXPECT_EQ(list.selectedIndex, 0);
}

TEST_F(LevelListTest, DoneRowsAreTickedAndLockedRowsCrossed)
{
    EXPECT_EQ(LevelList::markOf(0, game.completedLevels), LevelList::Mark::None);
    EXPECT_EQ(LevelList::markOf(1, game.completedLevels), LevelList::Mark::Cross);
    EXPECT_EQ(LevelList::markOf(2, game.completedLevels), LevelList::Mark::Cross);

    game.completedLevels = 1;
    EXPECT_EQ(LevelList::markOf(0, game.completedLevels), LevelList::Mark::Tick);
    EXPECT_EQ(LevelList::markOf(1, game.completedLevels), LevelList::Mark::None);
    EXPECT_EQ(LevelList::markOf(2, game.completedLevels), LevelList::Mark::Cross);

    for (int count : {3, 50}) {
        game.completedLevels = count;
        for (int row = 0; row < 3; ++row) EXPECT_EQ(LevelList::markOf(row, game.completedLevels), LevelList::Mark::Tick);
    }
}

}  // namespace
