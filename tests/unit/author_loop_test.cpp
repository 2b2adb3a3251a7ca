// The author's loop through the shell: playing the edited level and coming
// back, the author's levels on their menu screen, closing the window with
// unsaved work, and the level words of the command line.
#include <filesystem>

#include "app/command_line.h"
#include "app/game_paths.h"
#include "editor_fixture.h"
#include "game/level_arguments.h"
#include "level_test_folder.h"
#include "physics/rope.h"

namespace {

class AuthorLoopTest : public EditorTest {
protected:
    void key(int code)
    {
        shell->handleMessage(WindowMessage::keyDown(code));
    }
    void clickPlayButton(int index)
    {
        const Button& button = shell->play.buttons[index];
        const int x = static_cast<int>(button.position.x + 5);
        const int y = static_cast<int>(button.position.y + 5);
        frame(x, y, {0, 0}, true);
        frame(x, y, {0, 0}, false);
    }
};

}  // namespace

TEST_F(AuthorLoopTest, PlayingTheEditedLevelLeavesTheEditorAsItWasAndCountsNothing)
{
    selectTool(kButtonBall);
    clickWorld({0, 1});
    selectTool(kButtonDockPoint);
    clickWorld({-1, 0});
    clickWorld({1, 0});
    shell->view.cameraOffset = Vector2D(0.5f, 0.25f);
    // The level names no theme and is played on the first one; the editor
    // shows another.
    shell->game.themes = {Game::Theme{"Rock", 6}, Game::Theme{"Sand", 7}};
    applyTheme(shell->game, "Sand");
    const std::string before = ed->captureState();
    const int progress = shell->game.completedLevels;

    key(kVkF12);
    frame(kWorldX, kWorldY, {0, 0}, false);
    ASSERT_EQ(shell->mode(), Mode::Play);
    ASSERT_EQ(shell->play.world.balls.size(), 1u);
    EXPECT_EQ(shell->game.currentThemeName, "Rock");
    EXPECT_TRUE(shell->play.world.balls[0].held);
    EXPECT_EQ(shell->play.world.dockPoints.size(), 2u);

    // A rope, a try that "reaches the exit", and Exit.
    addRope({-1, 0}, {1, 0}, shell->play.world);
    clickPlayButton(kTryOrReturn);
    for (int i = 0; i < 20; ++i) frame(kWorldX, kWorldY, {0, 0}, false, 1.0f);
    shell->play.completed = true;
    EXPECT_EQ(shell->play.returnButton.label, "Back To Editor");
    clickPlayButton(kExitLevel);
    EXPECT_EQ(shell->mode(), Mode::Editor);
    EXPECT_EQ(ed->captureState(), before);
    EXPECT_EQ(shell->view.cameraOffset.x, 0.5f);
    EXPECT_EQ(shell->game.completedLevels, progress);

    // The Misc page's button does the same; a level started from the menu
    // afterwards leaves to the menu again.
    clickButton(kButtonPlayIt);
    EXPECT_EQ(shell->mode(), Mode::Play);
    clickPlayButton(kExitLevel);
    EXPECT_EQ(shell->mode(), Mode::Editor);
    shell->carryOut(ModeRequest::playFile("missing.TXT", "missing"));
    EXPECT_EQ(shell->play.returnButton.label, "Return To Menu");
    clickPlayButton(kExitLevel);
    EXPECT_EQ(shell->mode(), Mode::Menu);
}

TEST_F(AuthorLoopTest, YourLevelsPlaysTheAuthorsSavesAndSkipsTheUnreadable)
{
    TestFolder folder;
    GamePaths paths;
    paths.userDir = folder.root();
    setGamePaths(paths);
    folder.write("HILL.TXT", "(0){0}<2>{1}<2>(4)[0]{0}<0.5>{1}<0>(1)[0]{0}<0>{1}<1>{2}<0.2>{4}<1>");
    std::filesystem::create_directory(folder.path("BROKEN.TXT"));
    std::filesystem::last_write_time(folder.path("BROKEN.TXT"),
                                     std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));

    shell->menu.screens.resize(1);
    Menu& screen = shell->menu.screens[0];
    screen.hasLevelList = true;
    screen.levelList.authorLevels = true;
    screen.levelList.position = Vector2D(250, 70);
    screen.levelList.size = Vector2D(300, 300);
    shell->carryOut(ModeRequest::leave());
    shell->menu.open(0, shell->game);
    frame(400, 70 + 11 + 5, {0, 0}, false);  // row 0: BROKEN, newest
    ASSERT_EQ(screen.levelList.items.size(), 2u);
    EXPECT_EQ(screen.levelList.items[0].text, "BROKEN (unreadable)");
    EXPECT_EQ(screen.levelList.hoverIndex, -1);
    frame(400, 70 + 11 + 5, {0, 0}, true);
    EXPECT_EQ(shell->mode(), Mode::Menu);

    const int progress = shell->game.completedLevels;
    frame(400, 70 + 22 + 5, {0, 0}, true);  // row 1: HILL
    setGamePaths(GamePaths());
    ASSERT_EQ(shell->mode(), Mode::Play);
    EXPECT_EQ(shell->play.levelNumber, -1);
    EXPECT_EQ(shell->play.world.dockPoints.size(), 1u);
    shell->play.completed = true;
    clickPlayButton(kExitLevel);
    EXPECT_EQ(shell->mode(), Mode::Menu);
    EXPECT_EQ(shell->game.completedLevels, progress);
}

TEST_F(AuthorLoopTest, ClosingTheWindowWithUnsavedWorkAsksAndNoKeepsTheGame)
{
    selectTool(kButtonBall);
    clickWorld({0, 0});
    answer() = MessageAnswer::No;
    windowProc(WindowMessage::close(true), input, shell->view);
    shell->handleMessage(WindowMessage::close(true));
    WindowMessage posted;
    EXPECT_FALSE(takeQuitMessage(posted));
    // A key typed while it asks reaches no field of the editor.
    ed->inserts[kInsertSaveName].focused = true;
    shell->handleMessage(WindowMessage::keyDown('Q'));
    EXPECT_EQ(ed->inserts[kInsertSaveName].text, "");
    // A second click on the close box while the question is open asks nothing more.
    windowProc(WindowMessage::close(true), input, shell->view);
    shell->handleMessage(WindowMessage::close(true));
    EXPECT_FALSE(takeQuitMessage(posted));
    worldFrame({0, 0}, false);
    EXPECT_EQ(questions().size(), 1u);
    EXPECT_FALSE(shell->quitRequested());

    // A close that is not the player's (a signal) is never refused.
    windowProc(WindowMessage::close(false), input, shell->view);
    shell->handleMessage(WindowMessage::close(false));
    EXPECT_TRUE(takeQuitMessage(posted));
    EXPECT_EQ(questions().size(), 1u);

    // Quit on the question ends the game.
    answer() = MessageAnswer::Yes;
    windowProc(WindowMessage::close(true), input, shell->view);
    shell->handleMessage(WindowMessage::close(true));
    worldFrame({0, 0}, false);
    EXPECT_EQ(questions().size(), 2u);
    EXPECT_TRUE(shell->quitRequested());
}

TEST(LevelArguments, OneFileToPlayOrEditAndClearMessagesOtherwise)
{
    const auto fromWords = [](const std::vector<std::string>& words) {
        return levelArguments(parseCommandLine(words));
    };
    EXPECT_EQ(fromWords({}).open, LevelArguments::Open::None);
    LevelArguments play = fromWords({"/levels/HILL.TXT"});
    EXPECT_EQ(play.open, LevelArguments::Open::Play);
    EXPECT_EQ(play.file, "/levels/HILL.TXT");
    LevelArguments edit = fromWords({"--window", "--edit", "HILL.TXT"});
    EXPECT_EQ(edit.open, LevelArguments::Open::Edit);
    // Kept absolute: the game may enter its own folder before it opens the file.
    EXPECT_EQ(edit.file, (std::filesystem::current_path() / "HILL.TXT").string());

    EXPECT_EQ(parseCommandLine({"--edit"}).action, CommandLine::Action::Error);
    EXPECT_EQ(fromWords({"A.TXT", "B.TXT"}).error, "only one level file can be opened");
    EXPECT_EQ(fromWords({"--edit", "A.TXT", "B.TXT"}).error, "only one level file can be opened");
    EXPECT_EQ(levelArgumentsProblem(fromWords({"/no/such/HILL.TXT"})),
              "tangloop: cannot open the level file /no/such/HILL.TXT: no such file");
    EXPECT_EQ(levelArgumentsProblem(fromWords({})), "");
}
