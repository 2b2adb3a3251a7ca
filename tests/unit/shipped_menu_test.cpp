// The shipped main menu must hold what the shipped game needs: a level list
// tall enough that every shipped level has a row the mouse can reach.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "level/list_file.h"
#include "level/text_file.h"
#include "menu/menu_setup.h"

namespace {

const std::string kSourceDir = TANGLOOP_SOURCE_DIR;

}  // namespace

TEST(ShippedMenu, TheLevelListShowsEveryShippedLevelOrScrollsToIt)
{
    std::string levelsText, menuText;
    ASSERT_TRUE(readWholeFile(kSourceDir + "/data/levels.txt", levelsText));
    ASSERT_TRUE(readWholeFile(kSourceDir + "/data/menusetup.txt", menuText));
    const std::size_t levels = parseListEntries(levelsText).size();

    std::vector<Menu> screens;
    parseMenuSetup(menuText, screens, [](Level&, const std::string&) { return true; });
    int lists = 0;
    for (const Menu& screen : screens) {
        if (!screen.hasLevelList) continue;
        ++lists;
        const LevelList& list = screen.levelList;
        // Row i spans rowHeight * (i + 1) to rowHeight * (i + 2) below the top;
        // the mouse is only looked at inside the rectangle. The rows in view
        // end inside it, and a longer list has its scroll bar on the screen.
        EXPECT_LE(list.rowHeight * (list.visibleRows() + 1), static_cast<int>(list.size.y));
        EXPECT_GE(list.visibleRows(), 15) << "too few rows in view to choose from";
        EXPECT_LE(list.position.y + list.size.y, 600.0f) << "the list runs off the screen";
        LevelList filled = list;
        filled.items.resize(levels);
        if (filled.scrolls()) {
            const LevelList::Bar bar = filled.scrollBar();
            EXPECT_LE(bar.left + bar.width, 800.0f) << "the scroll bar runs off the screen";
            EXPECT_LE(bar.top + bar.height, list.position.y + list.size.y);
        }
    }
    EXPECT_EQ(lists, 1);
}
