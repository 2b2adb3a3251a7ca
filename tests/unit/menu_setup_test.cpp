// Reading the main-menu description.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "audio/sound_control.h"
#include "menu_test_support.h"

namespace {

namespace fs = std::filesystem;

// Two screens as a content author would write them.
const char* const kTwoScreens =
    "(0)[0]{0}<title.bmp>{1}<start>{2}<levels/intro.txt>{6}<1>{7}<0>\n"
    "(1)[0]:0;{0}<350>{1}<300>{2}<100>{3}<20>{4}<Play>{5}<0>{6}<1>{7}<Choose a level>\n"
    "(1)[0]:1;{0}<350>{1}<330>{2}<100>{3}<20>{4}<Quit>{5}<3>{7}<Leave the game>\n"
    "(4)[0]:0;{0}<400>{1}<100>{2}<7>{3}<Welcome>{4}<1>{5}<20>\n"
    "(5)[0]{0}<400>{1}<550>{2}<1>{3}<Point at a button>\n"
    "(0)[1]{0}<menu.bmp>{1}<levels>{3}<0.5>{4}<0.25>{5}<0>{6}<0>{7}<1>"
    "(6)[1]{0}<300>{1}<150>{2}<200>{3}<300>\n"
    "(1)[1]:0;{0}<350>{1}<500>{2}<100>{3}<20>{4}<Back>{5}<0>{6}<0>\n";

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

class MenuSetupTest : public MenuTest {};

TEST_F(MenuSetupTest, EverySectionAndFieldIsStoredWhereItBelongs)
{
    readScreens(kTwoScreens);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(static_cast<int>(menus.size()), 2);

    const Menu& start = menus[0];
    EXPECT_EQ(start.pictureFile, "title.bmp");
    EXPECT_EQ(start.name, "start");
    EXPECT_EQ(start.levelFile, "levels/intro.txt");
    EXPECT_TRUE(start.runBackground);
    EXPECT_FALSE(start.hasLevelList);
    EXPECT_FLOAT_EQ(start.color[0], 1.0f);

    ASSERT_EQ(start.buttons.size(), 2u);
    const Button& play = start.buttons[0];
    EXPECT_FLOAT_EQ(play.position.x, 350.0f);
    EXPECT_FLOAT_EQ(play.position.y, 300.0f);
    EXPECT_FLOAT_EQ(play.size.x, 100.0f);
    EXPECT_FLOAT_EQ(play.size.y, 20.0f);
    EXPECT_EQ(play.label, "Play");
    EXPECT_EQ(play.action, 0);
    EXPECT_EQ(play.actionParam, 1);
    EXPECT_EQ(play.hint, "Choose a level");
    EXPECT_TRUE(play.alwaysVisible);
    EXPECT_EQ(start.buttons[1].action, 3);
    EXPECT_EQ(start.buttons[1].actionParam, 0) << "an action parameter not given stays 0";

    ASSERT_EQ(start.textTemplates.size(), 1u);
    const BTextShadow& welcome = start.textTemplates[0];
    EXPECT_FLOAT_EQ(welcome.position.x, 400.0f);
    EXPECT_FLOAT_EQ(welcome.position.y, 100.0f);
    EXPECT_EQ(welcome.delay, 7);
    EXPECT_EQ(welcome.text, "Welcome");
    EXPECT_EQ(welcome.alignment, 1);
    EXPECT_FLOAT_EQ(welcome.maxSize, 20.0f);
    EXPECT_TRUE(start.texts.empty()) << "texts are made only when the screen opens";

    EXPECT_FLOAT_EQ(start.hint.position.x, 400.0f);
    EXPECT_FLOAT_EQ(start.hint.position.y, 550.0f);
    EXPECT_EQ(start.hint.alignment, 1);
    EXPECT_EQ(start.defaultHint, "Point at a button");

    const Menu& levels = menus[1];
    EXPECT_EQ(levels.name, "levels");
    EXPECT_FLOAT_EQ(levels.color[0], 0.5f);
    EXPECT_FLOAT_EQ(levels.color[1], 0.25f);
    EXPECT_FLOAT_EQ(levels.color[2], 0.0f);
    EXPECT_FALSE(levels.runBackground);
    EXPECT_TRUE(levels.hasLevelList);
    EXPECT_FLOAT_EQ(levels.levelList.position.x, 300.0f);
    EXPECT_FLOAT_EQ(levels.levelList.position.y, 150.0f);
    EXPECT_FLOAT_EQ(levels.levelList.size.x, 200.0f);
    EXPECT_FLOAT_EQ(levels.levelList.size.y, 300.0f);
    EXPECT_FALSE(levels.levelList.shown) << "a list stays closed until its screen opens";
    ASSERT_EQ(levels.buttons.size(), 1u);
    EXPECT_EQ(levels.buttons[0].label, "Back");
}

TEST_F(MenuSetupTest, ADescriptionWithoutSlidersReadsAsBeforeAndASliderRecordChangesNothingElse)
{
    // A file written before sliders existed: no slider appears, and every
    // button keeps the action it had.
    readScreens(kTwoScreens);
    const std::vector<Menu> older = menus;
    for (const Menu& screen : older) {
        EXPECT_TRUE(screen.sliders.empty());
        for (const Button& button : screen.buttons)
            EXPECT_LE(button.action, Menu::kQuit) << button.label;
    }

    // The same file with a slider record: the slider is read, all else as before.
    menus.clear();
    readScreens(std::string(kTwoScreens) +
                "(7)[1]:1;{0}<300>{1}<190>{2}<200.7>{3}<Volume>{4}<1>{5}<How loud>{6}<x>");
    ASSERT_EQ(menus.size(), older.size());
    ASSERT_EQ(menus[1].sliders.size(), 2u) << "grown to its sub-index, as buttons are";
    const Menu::Slider& volume = menus[1].sliders[1];
    EXPECT_FLOAT_EQ(volume.slide.position.x, 300.0f);
    EXPECT_FLOAT_EQ(volume.slide.position.y, 190.0f);
    EXPECT_EQ(volume.slide.width, 200);
    EXPECT_EQ(volume.slide.label, "Volume");
    EXPECT_EQ(volume.setting, Menu::kSoundVolume);
    EXPECT_EQ(volume.hint, "How loud");
    EXPECT_TRUE(volume.slide.alwaysVisible);
    EXPECT_TRUE(menus[0].sliders.empty());
    for (std::size_t i = 0; i < older.size(); ++i) {
        EXPECT_EQ(menus[i].name, older[i].name);
        ASSERT_EQ(menus[i].buttons.size(), older[i].buttons.size());
        for (std::size_t j = 0; j < older[i].buttons.size(); ++j) {
            EXPECT_EQ(menus[i].buttons[j].label, older[i].buttons[j].label);
            EXPECT_EQ(menus[i].buttons[j].action, older[i].buttons[j].action);
            EXPECT_FLOAT_EQ(menus[i].buttons[j].position.y, older[i].buttons[j].position.y);
        }
        EXPECT_EQ(menus[i].textTemplates.size(), older[i].textTemplates.size());
        EXPECT_EQ(menus[i].defaultHint, older[i].defaultHint);
    }

    // A toggle says how things stand after its label; other buttons do not.
    Button sound;
    sound.label = "Sound";
    sound.action = Menu::kToggleSound;
    EXPECT_EQ(shownLabel(sound), soundMuted() ? "Sound: off" : "Sound: on");
    EXPECT_EQ(shownLabel(older[0].buttons[0]), "Play");
    EXPECT_EQ(shownCaption(volume.slide), "Volume 50%");
}

TEST_F(MenuSetupTest, ValuesGrowTheScreensInEverySectionAndOddPlacesKeepTheReaderRules)
{
    // A value in an ignored section still makes screens 0 to 3 exist.
    readScreens("(2)[3]{0}<1>");
    ASSERT_EQ(menus.size(), 4u);
    for (const Menu& screen : menus) {
        EXPECT_EQ(screen.name, "Default menu");
        EXPECT_FLOAT_EQ(screen.color[0], 1.0f);
        EXPECT_FLOAT_EQ(screen.color[1], 1.0f);
        EXPECT_FLOAT_EQ(screen.color[2], 1.0f);
        EXPECT_TRUE(screen.runBackground);
        EXPECT_FALSE(screen.hasLevelList);
        EXPECT_TRUE(screen.buttons.empty());
        EXPECT_TRUE(screen.textTemplates.empty());
        EXPECT_FLOAT_EQ(screen.fade, 0.0f);
        EXPECT_FALSE(screen.active);
    }

    // A value before any section header is the y of screen 0's first button.
    menus.clear();
    readScreens("<42>");
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].buttons.size(), 1u);
    EXPECT_FLOAT_EQ(menus[0].buttons[0].position.y, 42.0f);
    EXPECT_TRUE(menus[0].buttons[0].alwaysVisible);

    // Sections 2 and 3 and unknown fields store nothing; only the button the
    // file touches is made always visible, not the ones grown before it.
    menus.clear();
    readScreens("(3)[0]:1;{0}<5>(2)[0]{4}<7>(0)[0]{9}<x>(1)[0]:2;{9}<1>(5)[0]{4}<z>");
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].name, "Default menu");
    EXPECT_TRUE(menus[0].textTemplates.empty());
    EXPECT_TRUE(menus[0].defaultHint.empty());
    ASSERT_EQ(menus[0].buttons.size(), 3u);
    EXPECT_FALSE(menus[0].buttons[0].alwaysVisible);
    EXPECT_FALSE(menus[0].buttons[1].alwaysVisible);
    EXPECT_TRUE(menus[0].buttons[2].alwaysVisible);
    EXPECT_FLOAT_EQ(menus[0].buttons[2].position.y, 0.0f);

    // Integers are truncated toward zero; flags are any number but 0; an
    // empty value reads as -1 and so is a set flag.
    menus.clear();
    readScreens("(1)[0]:0;{5}<2.9>{6}<-1.7>(0)[0]{6}<0>{7}<>(4)[0]:0;{2}<12.99>");
    EXPECT_EQ(menus[0].buttons[0].action, 2);
    EXPECT_EQ(menus[0].buttons[0].actionParam, -1);
    EXPECT_FALSE(menus[0].runBackground);
    EXPECT_TRUE(menus[0].hasLevelList);
    EXPECT_EQ(menus[0].textTemplates[0].delay, 12);
}

TEST_F(MenuSetupTest, BackgroundLevelIsLoadedWhenNamedAndBuiltWithoutBackdrop)
{
    std::vector<std::string> loaded;
    auto loader = [&](Level& level, const std::string& fileName) {
        loaded.push_back(fileName);
        level.size = Vector2D(3.0f, 2.0f);
        level.lines.emplace_back();
        level.balls.emplace_back();
        level.balls.back().position = Vector2D(1.0f, 1.0f);
        level.balls.back().radius = 0.3f;
        return true;
    };
    parseMenuSetup("(0)[1]{2}<levels/intro.txt>{0}<after.bmp>", menus, loader);
    ASSERT_EQ(menus.size(), 2u);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0], "levels/intro.txt") << "the name is used as it stands";
    const Simulation& world = menus[1].simulation;
    EXPECT_TRUE(world.noBackdrop);
    EXPECT_FLOAT_EQ(world.size.x, 3.0f);
    EXPECT_EQ(world.lines.size(), 1u);
    ASSERT_EQ(world.balls.size(), 1u);
    EXPECT_FLOAT_EQ(world.balls[0].position.x, 1.0f);
    EXPECT_FALSE(menus[0].simulation.noBackdrop) << "a screen without a level is left alone";

    // A level that cannot be read still builds the empty level's world.
    menus.clear();
    parseMenuSetup("(0)[0]{2}<missing.txt>", menus,
                   [](Level&, const std::string&) { return false; });
    EXPECT_TRUE(menus[0].simulation.noBackdrop);
    EXPECT_FLOAT_EQ(menus[0].simulation.size.x, 0.0f);
    EXPECT_TRUE(menus[0].simulation.balls.empty());
}

TEST_F(MenuSetupTest, FileReaderUsesTheLevelReaderAndSurvivesMissingEmptyAndDamagedFiles)
{
    const fs::path folder = fs::temp_directory_path() / "tangloop_menu_setup_test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path levelPath = folder / "intro.txt";
    writeFile(levelPath, "(0){0}<3>{1}<2>(1)[0]{0}<-2>{1}<1>{2}<0.3>{3}<3>{4}<1>");
    writeFile(folder / "menusetup.txt",
              "(0)[0]{1}<start>{2}<" + levelPath.string() + ">");

    readMenuSetup(menus, (folder / "menusetup.txt").string());
    ASSERT_EQ(static_cast<int>(menus.size()), 1);
    ASSERT_EQ(menus[0].simulation.balls.size(), 1u);
    EXPECT_FLOAT_EQ(menus[0].simulation.balls[0].position.x, -2.0f);
    EXPECT_TRUE(menus[0].simulation.noBackdrop);

    menus.clear();
    readMenuSetup(menus, (folder / "no such file.txt").string());
    EXPECT_TRUE(menus.empty());
    EXPECT_EQ(static_cast<int>(menus.size()), 0);
    openScreen(0);  // nothing to open, nothing to crash
    updateAll();

    writeFile(folder / "empty.txt", "");
    readMenuSetup(menus, (folder / "empty.txt").string());
    EXPECT_EQ(static_cast<int>(menus.size()), 0);

    // Huge and negative indices are dropped instead of growing lists without
    // bound; garbage around them changes nothing else.
    readScreens("(0)[99999999]{1}<far>[-4]{1}<neg>(1)[0]:-3;{0}<1>:50000000;{0}<1>"
                "\x01\xff<<))]]{{<>");
    EXPECT_LE(menus.size(), static_cast<std::size_t>(kMaxMenuScreens));
    for (const Menu& screen : menus) {
        EXPECT_LE(screen.buttons.size(), static_cast<std::size_t>(kMaxScreenWidgets));
        EXPECT_NE(screen.name, "far");
        EXPECT_NE(screen.name, "neg");
    }
    fs::remove_all(folder);
}

}  // namespace
