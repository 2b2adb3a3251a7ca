// Undo and redo in the editor, keys typed with Ctrl held, the questions
// asked before work is lost, and where Load looks.
#include <filesystem>
#include <functional>

#include "editor/world_snapshot.h"
#include "editor_fixture.h"
#include "level/game.h"
#include "level/level_writer.h"
#include "level_test_folder.h"

namespace {

class EditorUndoTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder.root());
        shell->game.themes = {Game::Theme{"Rock", 6}, Game::Theme{"Sand", 7}};
        makeThemeCurrent(shell->game, shell->game.themes[0]);
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous);
        EditorTest::TearDown();
    }

    /// What a save would write, and everything else the world holds.
    std::string saved() { return formatLevel(ed->world, ed->themeName); }
    std::string whole()
    {
        return captureWorld(ed->world, ed->marks, ed->triangleMappings) + "|" + ed->themeName + "|" + ed->taskText() +
               "|" + shell->game.currentThemeName;
    }

    /// A key press as the window delivers it, with Ctrl and Shift as given.
    void pressKey(int code, bool ctrl, bool shift = false)
    {
        keys[kVkControl] = ctrl;
        keys[kVkShift] = shift;
        shell->handleMessage(WindowMessage::keyDown(code));
        keys[kVkControl] = keys[kVkShift] = false;
    }

    /// Drags a slider's marker from one value to another over a few frames.
    void dragSlider(int index, float from, float to)
    {
        const Slide& slide = ed->slides[index];
        page() = slide.pageIndex;
        const int y = static_cast<int>(slide.position.y) + 5;
        for (int i = 0; i <= 4; ++i) {
            float value = from + (to - from) * static_cast<float>(i) / 4;
            frame(static_cast<int>(slide.position.x + slide.width * value / 100), y, {0, 0}, true);
        }
        frame(500, 300, {0, 0}, false);
    }

    TestFolder folder;
    std::filesystem::path previous;
};

}  // namespace

TEST_F(EditorUndoTest, EveryKindOfChangeIsOneStepThatUndoesAndRedoesToTheExactBytes)
{
    folder.write("HILL.txt", "(0){0}<3>{1}<2>(6)[0]{0}<-1>{1}<0>{2}<1>{3}<0>(1)[0]{0}<0>{1}<1>{2}<0.2>");
    auto tool = [&](int index) { return [this, index] { selectTool(index); }; };
    struct Change {
        const char* name;
        std::function<void()> make;
    };
    const std::vector<Change> changes = {
        {"vertex", [&] { tool(kButtonVertex)(); clickWorld({0, 0}); }},
        {"vertex 2", [&] { dragWorld({1, 0}, {1, 0.5f}, 4); }},
        {"vertex 3", [&] { clickWorld({0, 1}); }},
        {"line", [&] { tool(kButtonLine)(); dragWorld({-1, -1}, {1, -1}, 3); }},
        {"ball", [&] { tool(kButtonBall)(); dragWorld({0, 0.5f}, {0.2f, 0.5f}, 3); }},
        {"rope", [&] { tool(kButtonRope)(); dragWorld({-1, 1}, {1, 1}, 3); }},
        {"dock point", [&] { tool(kButtonDockPoint)(); dragWorld({-1.5f, 1}, {-1.4f, 1}); }},
        {"exit", [&] { tool(kButtonExitPoint)(); dragWorld({1.5f, -1.5f}, {1.5f, -1.2f}); }},
        {"select", [&] { tool(kButtonSelect)(); dragWorld({-2, 0.9f}, {2, 1.1f}, 2); }},
        {"move", [&] { tool(kButtonMove)(); dragWorld({0, 0}, {0.25f, -0.5f}, 5); }},
        {"unselect", [&] { tool(kButtonUnselect)(); dragWorld({-2, 0.4f}, {0, 0.6f}); }},
        {"undock", [&] { clickButton(kButtonUndock); }},
        {"dock", [&] { clickButton(kButtonDock); }},
        {"inv", [&] { clickButton(kButtonInv); }},
        {"all", [&] { clickButton(kButtonAll); }},
        {"none", [&] { clickButton(kButtonNone); }},
        {"rope 2", [&] { tool(kButtonRope)(); dragWorld({-1, -0.5f}, {1, -0.5f}); }},
        {"next", [&] { clickButton(kButtonNext); }},
        {"length", [&] { dragSlider(kSlideLength, 10, 60); }},
        {"prev", [&] { clickButton(kButtonPrev); }},
        {"x size", [&] { dragSlider(kSlideXSize, 20, 35); }},
        {"select all", [&] { clickButton(kButtonAll); }},
        {"remove", [&] { clickButton(kButtonRemove); }},
        {"theme", [&] { ed->inserts[kInsertTheme].text = "Sand"; clickButton(kButtonApplyTheme); }},
        {"load", [&] { ed->inserts[kInsertLoadName].text = "HILL"; clickButton(kButtonLoad); }},
    };

    std::vector<std::string> savedBytes{saved()};
    std::vector<std::string> wholeBytes{whole()};
    for (const Change& change : changes) {
        change.make();
        EXPECT_EQ(ed->history.undoSteps(), savedBytes.size()) << change.name;
        EXPECT_NE(whole(), wholeBytes.back()) << change.name << " changed nothing";
        savedBytes.push_back(saved());
        wholeBytes.push_back(whole());
    }
    EXPECT_EQ(ed->loadStatus, "Level loaded");

    for (std::size_t i = changes.size(); i-- > 0;) {
        pressKey('Z', true);
        EXPECT_EQ(saved(), savedBytes[i]) << "undo " << changes[i].name;
        EXPECT_EQ(whole(), wholeBytes[i]) << "undo " << changes[i].name;
    }
    EXPECT_EQ(ed->themeName, "");
    EXPECT_FLOAT_EQ(ed->slides[kSlideXSize].value, 20.0f);
    pressKey('Z', true);  // nothing left to undo
    EXPECT_EQ(whole(), wholeBytes[0]);

    for (std::size_t i = 1; i <= changes.size(); ++i) {
        pressKey(i % 2 ? 'Y' : 'Z', true, i % 2 == 0);  // Ctrl+Y and Ctrl+Shift+Z
        EXPECT_EQ(saved(), savedBytes[i]) << "redo " << changes[i - 1].name;
        EXPECT_EQ(whole(), wholeBytes[i]) << "redo " << changes[i - 1].name;
    }
    // The loaded level names no theme and is shown on the first one; undoing
    // the load brings back the theme applied before it, and undoing that the first.
    EXPECT_EQ(shell->game.currentThemeName, "Rock");
    pressKey('Z', true);
    EXPECT_EQ(shell->game.currentThemeName, "Sand");
    pressKey('Z', true);
    EXPECT_EQ(shell->game.currentThemeName, "Rock");
}

TEST_F(EditorUndoTest, ANewChangeDropsRedoAndClicksThatChangeNothingLeaveNoStep)
{
    selectTool(kButtonLine);
    dragWorld({0, 0}, {1, 0});
    dragWorld({0, 1}, {1, 1});
    const std::string twoLines = whole();
    pressKey('Z', true);
    EXPECT_EQ(ed->history.redoSteps(), 1u);

    selectTool(kButtonDockPoint);
    clickWorld({0.5f, 0.5f});
    EXPECT_EQ(ed->history.redoSteps(), 0u);
    pressKey('Y', true);
    EXPECT_EQ(ed->world.lines.size(), 1u);
    EXPECT_EQ(ed->world.dockPoints.size(), 1u);
    EXPECT_NE(whole(), twoLines);

    // None with nothing selected, and a Load of a missing file.
    const std::size_t steps = ed->history.undoSteps();
    clickButton(kButtonNone);
    ed->inserts[kInsertLoadName].text = "MISSING";
    clickButton(kButtonLoad);
    EXPECT_EQ(ed->history.undoSteps(), steps);
}

TEST_F(EditorUndoTest, UndoGoesBackToTheWorldAsItWasWhenTheChangeBegan)
{
    // A free ball falls while the author works; undo of a later line puts the
    // ball back where it was when the line was begun, speed and all.
    ed->world.balls.emplace_back();
    ed->world.balls.back().position = Vector2D(0, 1);
    for (int i = 0; i < 20; ++i) frame(500, 300, {0, 0}, false, 1.0f);
    const std::string before = whole();
    selectTool(kButtonLine);  // dt 0: nothing moves
    worldFrame({-1, -1}, true);
    frame(kWorldX, kWorldY, {1, -1}, true, 1.0f);
    worldFrame({1, -1}, false);
    pressKey('Z', true);
    EXPECT_EQ(whole(), before);
    EXPECT_NE(ed->world.balls[0].velocity.y, 0.0f);
}

TEST_F(EditorUndoTest, UnsavedChangesFollowTheStateShownNotTheHistory)
{
    EXPECT_FALSE(ed->hasUnsavedChanges());
    selectTool(kButtonBall);
    clickWorld({0, 0});
    EXPECT_TRUE(ed->hasUnsavedChanges());
    clickButton(kButtonSave);
    EXPECT_FALSE(ed->hasUnsavedChanges());
    pressKey('Z', true);
    EXPECT_TRUE(ed->hasUnsavedChanges());
    pressKey('Y', true);
    EXPECT_FALSE(ed->hasUnsavedChanges());

    ed->inserts[kInsertLoadName].text = "output";
    clickButton(kButtonLoad);
    EXPECT_EQ(ed->loadStatus, "Level loaded");
    EXPECT_FALSE(ed->hasUnsavedChanges());
    pressKey('Z', true);  // the last save or load is what counts
    EXPECT_TRUE(ed->hasUnsavedChanges());
}

TEST_F(EditorUndoTest, OnlyChangesToTheLevelAreUnsaved)
{
    selectTool(kButtonRope);
    dragWorld({-1, 1}, {1, 1});
    clickButton(kButtonSave);
    // Selecting, the view, the page and the statuses are not the level,
    // though they are undone like any other step.
    const std::size_t steps = ed->history.undoSteps();
    for (int button : {kButtonAll, kButtonNone, kButtonInv, kButtonNext}) clickButton(button);
    selectTool(kButtonSelect);
    dragWorld({-2, -2}, {0, 2});
    shell->view.cameraOffset = Vector2D(3, 1);
    ed->loadStatus = "Level loaded";
    EXPECT_GT(ed->history.undoSteps(), steps);
    clickButton(kButtonBack);
    EXPECT_TRUE(questions().empty());
    shell->carryOut(ModeRequest::enterEditor());

    // The theme and the task are the level's; a burst of typing is one step.
    clickButton(kButtonNextTheme);
    EXPECT_TRUE(ed->hasUnsavedChanges());
    pressKey('Z', true);
    EXPECT_FALSE(ed->hasUnsavedChanges());
    focusField(kInsertTask);
    for (char c : std::string("Go.")) shell->handleMessage(WindowMessage::typed(c));
    EXPECT_TRUE(ed->hasUnsavedChanges());
    frame(500, 300, {0, 0}, false);  // the pointer leaves the field
    pressKey('Z', true);
    EXPECT_EQ(ed->taskText(), "");
    EXPECT_FALSE(ed->hasUnsavedChanges());
}

TEST_F(EditorUndoTest, KeysWithCtrlHeldTypeNothingAndLeaveTheStatus)
{
    focusField(kInsertSaveName);
    ed->saveStatus = "Saved: output.txt";
    for (int code : {int{'Z'}, int{'Y'}, int{'A'}, int{'1'}, int{kVkBack}, int{kVkControl}}) pressKey(code, true);
    pressKey('Z', true, true);
    EXPECT_EQ(ed->inserts[kInsertSaveName].text, "");
    EXPECT_EQ(ed->saveStatus, "Saved: output.txt");
    pressKey('A', false);
    EXPECT_EQ(ed->inserts[kInsertSaveName].text, "A");
}

TEST_F(EditorUndoTest, LoadAsksNothingWhenNothingIsUnsaved)
{
    folder.write("HILL.TXT", "(0){0}<3>{1}<3>");
    ed->inserts[kInsertLoadName].text = "HILL";
    clickButton(kButtonLoad);
    EXPECT_TRUE(questions().empty());
    EXPECT_EQ(ed->loadStatus, "Level loaded");
    EXPECT_FALSE(ed->hasUnsavedChanges());
}

TEST_F(EditorUndoTest, UnsavedWorkIsOnlyLostAfterAYes)
{
    folder.write("HILL.TXT", "(0){0}<3>{1}<3>");
    selectTool(kButtonBall);
    clickWorld({0, 0});

    answer() = MessageAnswer::No;
    clickButton(kButtonBack);
    EXPECT_EQ(shell->mode(), Mode::Editor);
    ed->inserts[kInsertLoadName].text = "HILL";
    clickButton(kButtonLoad);
    EXPECT_EQ(ed->world.balls.size(), 1u);
    // Saving over a file the editor did not load asks too; No keeps the file.
    ed->inserts[kInsertSaveName].text = "HILL";
    clickButton(kButtonSave);
    EXPECT_EQ(ed->saveStatus, "Not saved");
    EXPECT_EQ(folder.read("HILL.TXT"), "(0){0}<3>{1}<3>");
    EXPECT_EQ(questions().size(), 3u);

    answer() = MessageAnswer::Yes;
    clickButton(kButtonLoad);
    EXPECT_TRUE(ed->world.balls.empty());
    EXPECT_EQ(questions().size(), 4u);
    // The file just loaded, and then the file just saved, are the author's own.
    clickButton(kButtonSave);
    ed->inserts[kInsertSaveName].text = "DALE";
    clickButton(kButtonSave);
    clickButton(kButtonSave);
    EXPECT_EQ(questions().size(), 4u);
    clickButton(kButtonBack);  // nothing unsaved
    EXPECT_EQ(shell->mode(), Mode::Menu);
    EXPECT_EQ(questions().back().find("The level has changes"), 0u);
}

TEST_F(EditorUndoTest, LoadFindsABareNameInTheLevelsFolderAfterThePlayersOwn)
{
    std::filesystem::create_directory("levels");
    folder.write("levels/Ramp.txt", "(0){0}<4>{1}<2>");
    ed->inserts[kInsertLoadName].text = "Ramp";
    clickButton(kButtonLoad);
    EXPECT_EQ(ed->loadStatus, "Level loaded");
    EXPECT_EQ(ed->world.size.x, 4.0f);

    folder.write("Ramp.txt", "(0){0}<5>{1}<2>");
    clickButton(kButtonLoad);
    EXPECT_EQ(ed->world.size.x, 5.0f);

    EXPECT_EQ(levelLoadPaths("sub/Ramp").size(), 1u);  // only a bare name goes to the levels
}

TEST(EditHistory, StepAndByteLimitsDropTheOldestSteps)
{
    EditHistory steps(3, 1000);
    for (char c : std::string("abcde")) steps.record(std::string(1, c));
    EXPECT_EQ(steps.undoSteps(), 3u);
    EXPECT_EQ(steps.undo("f"), "e");
    EXPECT_EQ(steps.undo("e"), "d");
    EXPECT_EQ(steps.undo("d"), "c");
    EXPECT_FALSE(steps.undo("c"));
    EXPECT_EQ(steps.redo("c"), "d");

    // Ten bytes a state, thirty allowed: three states are kept, counting the
    // ones held for redo; the newest stays even when it alone is too big.
    EditHistory bytes(100, 30);
    for (char c : std::string("abcde")) bytes.record(std::string(10, c));
    EXPECT_EQ(bytes.undoSteps(), 3u);
    EXPECT_EQ(bytes.bytes(), 30u);
    EXPECT_EQ(bytes.undo(std::string(10, 'f')), std::string(10, 'e'));
    EXPECT_EQ(bytes.undoSteps() + bytes.redoSteps(), 3u);
    bytes.record(std::string(50, 'g'));
    EXPECT_EQ(bytes.undoSteps(), 1u);
    EXPECT_EQ(bytes.redoSteps(), 0u);
}
