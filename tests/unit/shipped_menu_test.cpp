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

TEST(ShippedMenu, TheLevelListHasARowForEveryShippedLevel)
{
    std::string levelsText, menuText;
    ASSERT_TRUE(readWholeFile(kSourceDir + "/data/levels.txt", levelsText));
    ASSERT_TRUE(readWholeFile(kSourceDir + "/data/menusetup.txt", menuText));
    const std::size_t levels = parseListEntries(levelsText).size();

    std::vector<Menu> screens;
    parseMenuSetup(menuText, screens, [](Level&, const std::string&) { return true; });
    int lists = 0;
    int authorLists = 0;
    for (const Menu& screen : screens) {
        if (!screen.hasLevelList) continue;
        // "Your Levels": the author's saved levels, however many.
        if (screen.levelList.authorLevels) {
            ++authorLists;
            continue;
        }
        ++lists;
        const LevelList& list = screen.levelList;
        // Row i spans rowHeight * (i + 1) to rowHeight * (i + 2) below the top;
        // the mouse is only looked at inside the rectangle.
        EXPECT_GE(list.size.y, static_cast<float>(list.rowHeight * (levels + 1)))
            << levels << " levels need a taller list rectangle";
        EXPECT_LE(list.position.y + list.size.y, 600.0f) << "the list runs off the screen";
    }
    EXPECT_EQ(lists, 1);
    EXPECT_EQ(authorLists, 1);
}
