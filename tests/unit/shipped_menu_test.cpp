// The shipped main menu must hold what the shipped game needs: every screen
// reachable and complete, and a level list tall enough for every level.
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "level/list_file.h"
#include "level/record_scanner.h"
#include "level/text_file.h"
#include "menu/menu_setup.h"

namespace {

const std::string kSourceDir = TANGLOOP_SOURCE_DIR;

std::string shippedMenuText()
{
    std::string text;
    EXPECT_TRUE(readWholeFile(kSourceDir + "/data/menusetup.txt", text));
    return text;
}

std::vector<Menu> shippedScreens()
{
    std::vector<Menu> screens;
    parseMenuSetup(shippedMenuText(), screens, [](Level&, const std::string&) { return true; });
    return screens;
}

}  // namespace

TEST(ShippedMenu, TheLevelListShowsEveryShippedLevelOrScrollsToIt)
{
    std::string levelsText;
    ASSERT_TRUE(readWholeFile(kSourceDir + "/data/levels.txt", levelsText));
    const std::size_t levels = parseListEntries(levelsText).size();

    int lists = 0;
    int authorLists = 0;
    for (const Menu& screen : shippedScreens()) {
        if (!screen.hasLevelList) continue;
        // "Your Levels": the author's saved levels, however many.
        if (screen.levelList.authorLevels) {
            ++authorLists;
            continue;
        }
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
    EXPECT_EQ(authorLists, 1);
}

TEST(ShippedMenu, EveryScreenHasAHintLineAndButtonsThatLeadSomewhere)
{
    // A screen without a hint record draws its hints at the window's corner.
    std::set<int> hinted;
    scanRecords(shippedMenuText(), [&](const RecordPosition& at, std::string_view) {
        if (at.section == 5) hinted.insert(at.index);
    });
    const std::vector<Menu> screens = shippedScreens();
    ASSERT_GE(screens.size(), 4u);

    std::set<int> opened = {0};
    int credits = 0;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const Menu& screen = screens[i];
        SCOPED_TRACE("screen " + std::to_string(i) + " (" + screen.name + ")");
        EXPECT_TRUE(hinted.count(static_cast<int>(i))) << "no hint line record";
        EXPECT_FALSE(screen.defaultHint.empty());
        EXPECT_GT(screen.hint.position.y, 0.0f);
        EXPECT_LT(screen.hint.position.y + 15.0f, 600.0f);
        EXPECT_FALSE(screen.pictureFile.empty());
        if (!screen.levelFile.empty()) {
            EXPECT_TRUE(std::filesystem::exists(kSourceDir + "/data/" + screen.levelFile))
                << screen.levelFile;
        }
        if (screen.name == "credits") ++credits;

        EXPECT_FALSE(screen.buttons.empty()) << "a screen with no way out";
        for (const Button& button : screen.buttons) {
            SCOPED_TRACE(button.label);
            EXPECT_FALSE(button.label.empty());
            EXPECT_FALSE(button.hint.empty());
            EXPECT_GE(button.position.x, 0.0f);
            EXPECT_GE(button.position.y, 0.0f);
            EXPECT_LE(button.position.x + button.size.x, 800.0f);
            EXPECT_LE(button.position.y + button.size.y, 600.0f);
            EXPECT_TRUE(button.action >= Menu::kOpenScreen && button.action <= Menu::kResetProgress &&
                        button.action != 1);
            if (button.action == 0) {
                EXPECT_GE(button.actionParam, 0);
                EXPECT_LT(button.actionParam, static_cast<int>(screens.size()));
                opened.insert(button.actionParam);
            }
        }
    }
    EXPECT_EQ(credits, 1);
    EXPECT_EQ(opened.size(), screens.size()) << "a screen no button opens";
}

// The record grammar cuts a text at any of its structure characters: a ';'
// in a task showed only its second half, a ':' in the notes between
// records renamed the next screen's picture. None may ship.
TEST(ShippedText, NoTextHoldsACharacterTheReaderTakesAsStructure)
{
    std::vector<std::string> files{kSourceDir + "/data/menusetup.txt"};
    for (const char* folder : {"/data/levels", "/data/menu"})
        for (const auto& entry : std::filesystem::directory_iterator(kSourceDir + folder))
            if (entry.path().extension() == ".txt") files.push_back(entry.path().string());
    ASSERT_GT(files.size(), 30u);
    for (const std::string& file : files) {
        std::string text;
        ASSERT_TRUE(readWholeFile(file, text)) << file;
        EXPECT_TRUE(findMisreadStructure(text).empty()) << file;
    }
    // Screen 4 shows its picture again, and the check sees what it must.
    EXPECT_EQ(shippedScreens().at(4).pictureFile, "menu_levels.bmp");
    using Faults = std::vector<StructureFault>;
    EXPECT_EQ(findMisreadStructure("(0){2}<Left; then right>"), (Faults{{6, 11}}));
    EXPECT_EQ(findMisreadStructure("notes: more\n(0)"), (Faults{{5, 12}}));
    EXPECT_EQ(findMisreadStructure("a ) b (1)[2]:3;{4}<5> <open"), (Faults{{StructureFault::kNone, 2}, {22, StructureFault::kNone}}));
}

TEST(ShippedMenu, NotesBetweenTheRecordsOpenNoRecordAndTheOptionsHoldTheVolume)
{
    // A ':' or a bracket in a note starts a selector that swallows the
    // records after it: their values then carry the brackets they follow.
    scanRecords(shippedMenuText(), [](const RecordPosition& at, std::string_view value) {
        EXPECT_EQ(value.find_first_of("()[]{}<>:;"), std::string_view::npos)
            << "(" << at.section << ")[" << at.index << "] {" << at.field << "}: " << value;
    });
    int volumeSliders = 0;
    for (const Menu& screen : shippedScreens()) {
        for (const Menu::Slider& slider : screen.sliders) {
            EXPECT_EQ(slider.setting, Menu::kSoundVolume);
            EXPECT_FALSE(slider.hint.empty());
            EXPECT_GT(slider.slide.width, 0);
            EXPECT_LE(slider.slide.position.x + static_cast<float>(slider.slide.width), 800.0f);
            ++volumeSliders;
        }
    }
    EXPECT_EQ(volumeSliders, 1);
}
