// Saving, loading and theming from the Misc page, and typing into its fields.
#include <cctype>
#include <filesystem>

#include "app/game_paths.h"
#include "editor_fixture.h"
#include "level/game.h"
#include "level_test_folder.h"

namespace {

/// Runs a test inside a fresh folder, as the game runs inside its own.
class EditorFilesTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder.root());
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous);
        EditorTest::TearDown();
    }

    void typeInto(int field, const std::string& text)
    {
        focusField(field);
        type(text);
        frame(500, 300, {0, 0}, false);  // the field's update cuts the text
    }

    TestFolder folder;
    std::filesystem::path previous;
};

}  // namespace

TEST_F(EditorFilesTest, SaveNamesTheFileItWroteInTheStatus)
{
    clickButton(kButtonSave);
    EXPECT_EQ(ed->saveStatus, "Saved: output.txt");
    EXPECT_EQ(folder.read("output.txt").rfind("(0){0}<2>{1}<2>{3}<>", 0), 0u);

    typeInto(kInsertSaveName, "LEVEL1");
    clickButton(kButtonSave);
    EXPECT_EQ(ed->saveStatus, "Saved: LEVEL1.TXT");
    EXPECT_TRUE(std::filesystem::exists("LEVEL1.TXT"));

    ed->inserts[kInsertSaveName].text = "LEVEL1.TXT";
    clickButton(kButtonSave);
    EXPECT_EQ(ed->saveStatus, "Saved: LEVEL1.TXT");
    EXPECT_FALSE(std::filesystem::exists("LEVEL1.TXT.TXT"));
}

TEST_F(EditorFilesTest, FailedSaveSaysSoAndDestroysNothing)
{
    // A folder where the file should go: nothing can be written over it.
    std::filesystem::create_directory("HILL.TXT");
    folder.write("HILL.TXT/keep", "old");
    ed->inserts[kInsertSaveName].text = "HILL";
    clickButton(kButtonSave);
    EXPECT_EQ(ed->saveStatus, "Unable to save HILL.TXT");
    EXPECT_EQ(folder.read("HILL.TXT/keep"), "old");

    // No folder to write into at all.
    ed->inserts[kInsertSaveName].text = "nowhere/HILL";
    clickButton(kButtonSave);
    // Too long for the panel: the name gives way, the verdict stays whole.
    EXPECT_EQ(ed->saveStatus, "Unable to save nowhere/HIL..");

    // The next good save reports success again.
    ed->inserts[kInsertSaveName].text = "HILL2";
    clickButton(kButtonSave);
    EXPECT_EQ(ed->saveStatus, "Saved: HILL2.TXT");
}

TEST_F(EditorFilesTest, LoadReadsTheSavedLevelBackUnmarked)
{
    selectTool(kButtonBall);
    dragWorld({1, 1}, {1.25f, 1});
    selectTool(kButtonRope);
    dragWorld({-1, 0}, {0, 0});
    typeInto(kInsertSaveName, "LEVEL1");
    clickButton(kButtonSave);

    ed->selectAll(true);
    ed->removeSelected();
    ASSERT_TRUE(ed->world.balls.empty());

    // "LEVEL1" reads LEVEL1.txt, which is the file saved as LEVEL1.TXT.
    typeInto(kInsertLoadName, "LEVEL1");
    clickButton(kButtonLoad);
    EXPECT_EQ(ed->loadStatus, "Level loaded");
    ASSERT_EQ(ed->world.balls.size(), 1u);
    EXPECT_FLOAT_EQ(ed->world.balls[0].radius, 0.25f);
    EXPECT_TRUE(ed->world.balls[0].held);
    EXPECT_FALSE(ed->marks.balls[0].selected);
    ASSERT_EQ(ed->world.ropes.size(), 1u);
    for (const PointMark& mass : ed->marks.ropes[0].masses) EXPECT_FALSE(mass.selected);
}

TEST_F(EditorFilesTest, FailedLoadKeepsTheWorldAndAnEmptyFileEmptiesIt)
{
    selectTool(kButtonBall);
    clickWorld({0, 0});
    ed->inserts[kInsertLoadName].text = "MISSING";
    clickButton(kButtonLoad);
    EXPECT_EQ(ed->loadStatus, "Unable to load");
    ASSERT_EQ(ed->world.balls.size(), 1u);
    EXPECT_TRUE(ed->marks.balls[0].selected);

    folder.write("EMPTY.txt", "");
    ed->inserts[kInsertLoadName].text = "EMPTY";
    clickButton(kButtonLoad);
    EXPECT_EQ(ed->loadStatus, "Level loaded");
    EXPECT_TRUE(ed->world.balls.empty());
    EXPECT_EQ(ed->world.size.x, 0.0f);
}

TEST_F(EditorFilesTest, ApplyThemeKeepsTheNameAndReportsWhetherItExists)
{
    shell->game.themes = {{"Grass", 7}, {"Stone", 8}};
    typeInto(kInsertTheme, "MARBLE");
    clickButton(kButtonApplyTheme);
    EXPECT_EQ(ed->themeStatus, "Invalid Theme");
    EXPECT_EQ(ed->themeName, "MARBLE");  // a later Save still writes it

    // Typed keys are capitals; theme names ignore case.
    ed->inserts[kInsertTheme].text = "STONE";
    clickButton(kButtonApplyTheme);
    EXPECT_EQ(ed->themeStatus, "Theme Applyed");
    EXPECT_EQ(shell->game.currentThemeName, "Stone");
    clickButton(kButtonSave);
    EXPECT_NE(folder.read("output.txt").find("{3}<STONE>"), std::string::npos);
}

TEST_F(EditorFilesTest, TypedKeysBecomeCapitalsAndTheFieldKeepsSeventeen)
{
    // The letter keys send the codes of the capitals; there is no Shift.
    typeInto(kInsertSaveName, "ABC 1");
    EXPECT_EQ(ed->inserts[kInsertSaveName].text, "ABC 1");
    focusField(kInsertSaveName);
    ed->editorKeyDown(kVkNumpad0 + 1, input);
    EXPECT_EQ(ed->inserts[kInsertSaveName].text, "ABC 1a");

    ed->inserts[kInsertSaveName].text.clear();
    typeInto(kInsertSaveName, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(ed->inserts[kInsertSaveName].text, "ABCDEFGHIJKLMNOPQ");
    // The other fields had no focus and took nothing.
    EXPECT_EQ(ed->inserts[kInsertLoadName].text, "");
    EXPECT_EQ(ed->inserts[kInsertTheme].text, "");
}

TEST_F(EditorFilesTest, KeysClearTheirFieldsStatusButEnterAndArrowsDoNothing)
{
    ed->saveStatus = "Saved: output.txt";
    ed->loadStatus = "Level loaded";
    focusField(kInsertSaveName);
    for (int key : {kVkReturn, kVkLeft, kVkUp, kVkRight, kVkDown}) ed->editorKeyDown(key, input);
    EXPECT_EQ(ed->saveStatus, "Saved: output.txt");
    EXPECT_EQ(ed->inserts[kInsertSaveName].text, "");

    ed->editorKeyDown(kVkBack, input);  // nothing to remove, the status still goes
    EXPECT_EQ(ed->saveStatus, "");
    EXPECT_EQ(ed->loadStatus, "Level loaded");

    ed->saveStatus = "Saved: output.txt";
    ed->editorKeyDown(kVkShift, input);
    EXPECT_EQ(ed->saveStatus, "");

    // With the mouse off every field, keys reach no field and no status.
    ed->loadStatus = "Level loaded";
    frame(100, 500, {0, 0}, false);
    ed->editorKeyDown('A', input);
    EXPECT_EQ(ed->loadStatus, "Level loaded");
    EXPECT_EQ(ed->inserts[kInsertLoadName].text, "");
}

TEST_F(EditorFilesTest, LoadAndSaveKeepTheThemeTheTaskAndTheSize)
{
    shell->game.themes = {{"sky", 7}, {"stone", 8}};
    // As the writer writes it: the round trip must give back the same bytes.
    const std::string bridge =
        "(0){0}<14>{1}<4.5>{2}<Cross the gap, then drop!>{3}<stone>(6)(5){0}<2>{1}<0>{2}<0.3>(4)(3)(2)(1)";
    folder.write("BRIDGE.txt", bridge);
    ed->inserts[kInsertLoadName].text = "BRIDGE";
    clickButton(kButtonLoad);
    EXPECT_EQ(ed->inserts[kInsertTheme].text, "stone");
    EXPECT_EQ(shell->game.currentThemeName, "stone");
    EXPECT_EQ(ed->taskText(), "Cross the gap, then drop!");
    EXPECT_FLOAT_EQ(ed->slides[kSlideXSize].value, 100.0f);  // 14 is beyond its reach
    EXPECT_FLOAT_EQ(ed->slides[kSlideYSize].value, 45.0f);
    ed->inserts[kInsertSaveName].text = "COPY1";
    clickButton(kButtonSave);
    EXPECT_EQ(folder.read("COPY1.TXT"), bridge);

    // Without a task the file is written as always; a task loses the
    // characters that would cut it when read back.
    const std::string plain = "(0){0}<3>{1}<2>{3}<sky>(6)(5){0}<0>{1}<0>{2}<0.3>(4)(3)(2)(1)";
    folder.write("PLAIN.txt", plain);
    ed->inserts[kInsertLoadName].text = "PLAIN";
    clickButton(kButtonLoad);
    clickButton(kButtonSave);
    EXPECT_EQ(folder.read("COPY1.TXT"), plain);
    ed->inserts[kInsertTask].text = "Go (fast); then stop.";
    clickButton(kButtonSave);
    EXPECT_NE(folder.read("COPY1.TXT").find("{2}<Go fast then stop.>{3}<sky>"), std::string::npos);
}

TEST_F(EditorFilesTest, TheTaskTakesEachTypedCharacterOnceAndTheNameFieldsKeepTheirKeys)
{
    auto typed = [this](char c, int key) {
        shell->handleMessage(WindowMessage::keyDown(key));
        shell->handleMessage(WindowMessage::typed(c));
    };
    focusField(kInsertTask);
    for (char c : std::string("Hi, yo")) typed(c, std::isalpha(c) ? std::toupper(c) : c == ' ' ? kVkSpace : kVkOemComma);
    typed(';', kVkOemSemicolon);
    EXPECT_EQ(ed->taskText(), "Hi, yo");
    focusField(kInsertSaveName);
    typed('a', 'A');
    EXPECT_EQ(ed->inserts[kInsertSaveName].text, "A");
}

// A link in the player's folder that leads out of it: the save asks first,
// naming where the level would go, and Keep leaves the target alone.
TEST_F(EditorFilesTest, SaveOntoALinkLeadingOutOfTheFolderAsksFirst)
{
    std::filesystem::create_directory("away");
    folder.write("away/theirs.txt", "theirs");
    std::filesystem::create_directory("mine");
    std::filesystem::create_symlink("../away/theirs.txt", "mine/HILL.TXT");
    GamePaths paths;
    paths.userDir = "mine";
    setGamePaths(paths);
    answer() = MessageAnswer::No;
    ed->inserts[kInsertSaveName].text = "HILL";
    clickButton(kButtonSave);
    ASSERT_EQ(questions().size(), 1u);
    EXPECT_NE(questions()[0].find(std::filesystem::canonical("away/theirs.txt").string()), std::string::npos);
    EXPECT_EQ(ed->saveStatus, "Not saved");
    EXPECT_EQ(folder.read("away/theirs.txt"), "theirs");

    answer() = MessageAnswer::Yes;
    clickButton(kButtonSave);
    EXPECT_EQ(ed->saveStatus, "Saved: HILL.TXT");
    EXPECT_NE(folder.read("away/theirs.txt"), "theirs");
    setGamePaths(GamePaths{});
}
