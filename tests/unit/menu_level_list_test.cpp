#include <gtest/gtest.h>

#include "input/input.h"
#include "level/game.h"
#include "menu/level_list.h"
#include "unit/fresh_shell.h"

namespace {

class LevelListTest : public ::testing::Test {
protected:
    Game game;
    LevelList list;
    Input input;
    MouseState& mouse = input.mouse;
    bool (&keys)[256] = input.keys;
    bool (&keysPressed)[256] = input.keysPressed;

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
        list.update(input, game);
    }
};

// Row i spans the pixels from 100 + 11 * (i + 1) to 11 more.
constexpr int kRow0 = 116;
constexpr int kRow1 = 127;
constexpr int kRow2 = 138;

TEST_F(LevelListTest, FirstUpdateBuildsHiddenCentredItems)
{
    list.update(input, game);
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
    list.update(input, game);
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

namespace {

/// A list of 30 levels in a rectangle that holds 8 rows below its heading.
class LongLevelListTest : public LevelListTest {
protected:
    void SetUp() override
    {
        LevelListTest::SetUp();
        game.levels.clear();
        for (int i = 0; i < 30; ++i) game.levels.emplace_back(std::string(1, 'L').append(std::to_string(i)));
        list.size = Vector2D(200.0f, 99.0f);
        list.update(input, game);
    }
    void press(int key)
    {
        keys[key] = true;
        list.update(input, game);
        keys[key] = false;
        list.update(input, game);
    }
};

TEST_F(LongLevelListTest, ShowsTheRowsThatFitAndScrollsByWheelAndKeys)
{
    EXPECT_EQ(list.visibleRows(), 8);
    EXPECT_TRUE(list.scrolls());
    EXPECT_EQ(list.firstRow, 0);

    // Back from the last level, the list shows its end.
    game.completedLevels = 30;
    list.update(input, game);
    EXPECT_EQ(list.firstRow, 22);
    list.scrollBy(-30);

    // Two notches towards the player show two rows further down; the top slot
    // then holds row 2, which is where the mouse picks it.
    mouse.wheel = -2;
    pointAt(kRow0);
    mouse.wheel = 0;
    EXPECT_EQ(list.firstRow, 2);
    EXPECT_EQ(list.hoverIndex, 2);
    EXPECT_EQ(list.items[2].position.y, 100.0f + 11.0f + 5.0f);

    press(kVkDown);
    EXPECT_EQ(list.firstRow, 3);
    press(kVkUp);
    press(kVkUp);
    EXPECT_EQ(list.firstRow, 1);
    press(kVkNext);
    EXPECT_EQ(list.firstRow, 9);

    // Never past either end.
    for (int i = 0; i < 5; ++i) press(kVkNext);
    EXPECT_EQ(list.firstRow, 22);
    mouse.wheel = 40;
    list.update(input, game);
    mouse.wheel = 0;
    EXPECT_EQ(list.firstRow, 0);

    // A held key scrolls once, then repeats after a pause.
    keys[kVkDown] = true;
    for (int i = 0; i < 10; ++i) list.update(input, game);
    EXPECT_EQ(list.firstRow, 1);
    for (int i = 0; i < 40; ++i) list.update(input, game);
    EXPECT_GT(list.firstRow, 2);
    keys[kVkDown] = false;
}

TEST_F(LongLevelListTest, TheScrollBarPagesAndDragsWithoutPickingARow)
{
    game.completedLevels = 30;
    list.update(input, game);
    list.scrollBy(-30);
    const LevelList::Bar bar = list.scrollBar();
    EXPECT_GT(bar.left, list.position.x + list.size.x);
    const int barX = static_cast<int>(bar.left + bar.width / 2);

    // A click below the thumb pages down once, however long it is held.
    mouse.x = barX;
    mouse.y = static_cast<int>(bar.top + bar.height - 2);
    mouse.leftDown = true;
    list.update(input, game);
    list.update(input, game);
    EXPECT_EQ(list.firstRow, 8);
    mouse.leftDown = false;
    list.update(input, game);

    // The thumb dragged to the bottom shows the last rows; dragging on over
    // the rows picks none of them.
    const LevelList::Bar now = list.scrollBar();
    mouse.y = static_cast<int>(now.thumbTop + 2);
    mouse.leftDown = true;
    list.update(input, game);
    mouse.y = static_cast<int>(bar.top + bar.height + 50);
    list.update(input, game);
    EXPECT_EQ(list.firstRow, 22);
    mouse.x = 150;
    mouse.y = kRow0;
    list.update(input, game);
    EXPECT_EQ(list.selectedIndex, -1);
    mouse.leftDown = false;
    list.update(input, game);
}

TEST_F(LongLevelListTest, TheNextLevelToPlayIsInViewWhenTheListOpens)
{
    game.completedLevels = 20;
    list.hide();
    list.show();
    list.update(input, game);
    EXPECT_LE(list.firstRow, 20);
    EXPECT_GT(list.firstRow + list.visibleRows(), 20);

    // Built while the count is already high, it starts there too, and the
    // rows in view type in first.
    LevelList fresh;
    fresh.position = list.position;
    fresh.size = list.size;
    game.completedLevels = 25;
    fresh.update(input, game);
    EXPECT_EQ(fresh.firstRow, 18);
    EXPECT_EQ(fresh.items[18].delay, 30);

    // A short list never scrolls.
    game.levels.resize(3);
    LevelList shortList;
    shortList.position = list.position;
    shortList.size = list.size;
    shortList.update(input, game);
    EXPECT_FALSE(shortList.scrolls());
    EXPECT_EQ(shortList.firstRow, 0);
}

TEST_F(LongLevelListTest, TheAuthorsOwnListOpensAtItsTopWhateverThePlayerFinished)
{
    // The author's saves have nothing to do with the game's progress: a list
    // of them scrolled to the next game level would open on an empty view or
    // a row the author never asked for.
    LevelList own;
    own.position = list.position;
    own.size = list.size;
    own.authorLevels = true;
    for (int i = 0; i < 30; ++i) own.authored.push_back({"MINE" + std::to_string(i), "", true});
    game.completedLevels = 25;
    own.update(input, game);
    ASSERT_TRUE(own.scrolls());
    EXPECT_EQ(own.firstRow, 0);

    own.scrollBy(10);
    game.completedLevels = 26;  // a game level finished meanwhile
    own.update(input, game);
    EXPECT_EQ(own.firstRow, 10);
}

}  // namespace
