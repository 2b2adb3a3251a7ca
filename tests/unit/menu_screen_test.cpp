// Opening screens, their buttons, the hint line and the background level.
#include <string>

#include "menu_test_support.h"

namespace {

class MenuScreenTest : public MenuTest {};

// Three screens; screen 0 holds one button per action at x 100..200 and
// y 100, 130, ... (20 high), and a text.
const char* const kActionScreens =
    "(0)[0]{1}<main>(0)[1]{1}<second>(0)[2]{1}<third>"
    "(4)[0]:0;{0}<10>{1}<10>{3}<Hello>(4)[0]:1;{0}<10>{1}<30>{2}<5>{3}<World>"
    "(1)[0]:0;{0}<100>{1}<100>{2}<100>{3}<20>{5}<0>{6}<2>"
    "(1)[0]:1;{0}<100>{1}<130>{2}<100>{3}<20>{5}<0>{6}<7>"
    "(1)[0]:2;{0}<100>{1}<160>{2}<100>{3}<20>{5}<2>"
    "(1)[0]:3;{0}<100>{1}<190>{2}<100>{3}<20>{5}<3>"
    "(1)[0]:4;{0}<100>{1}<220>{2}<100>{3}<20>{5}<9>{6}<1>";

int activeScreen(const std::vector<Menu>& menus)
{
    int found = -1;
    for (std::size_t i = 0; i < menus.size(); ++i) {
        if (menus[i].active) {
            EXPECT_EQ(found, -1) << "more than one screen is active";
            found = static_cast<int>(i);
        }
    }
    return found;
}

TEST_F(MenuScreenTest, OpenScreenMakesOneScreenActiveAndFallsBackToTheFirst)
{
    readScreens(kActionScreens);
    ASSERT_EQ(static_cast<int>(menus.size()), 3);

    openScreen(2);
    EXPECT_EQ(activeScreen(menus), 2);
    EXPECT_EQ(shell->game.currentTexture, &menus[2].texture);
    EXPECT_TRUE(menus[2].levelList.shown);

    openScreen(3);
    EXPECT_EQ(activeScreen(menus), 0);
    openScreen(-1);
    EXPECT_EQ(activeScreen(menus), 0);
    EXPECT_EQ(shell->game.currentTexture, &menus[0].texture);

    // Texts are made afresh from the templates at every opening.
    ASSERT_EQ(menus[0].texts.size(), 2u);
    EXPECT_EQ(menus[0].texts[1].text, "World");
    EXPECT_EQ(menus[0].texts[1].delay, 5);
    runFrames(30);
    EXPECT_GT(menus[0].texts[0].reveal, 0.5f);
    openScreen(0);
    ASSERT_EQ(menus[0].texts.size(), 2u);
    EXPECT_FLOAT_EQ(menus[0].texts[0].reveal, 0.0f);
}

TEST_F(MenuScreenTest, ButtonsOpenScreensEnterTheEditorQuitOrDoNothing)
{
    readScreens(kActionScreens);
    openScreen(0);

    clickAt(150, 110);  // action 0 with screen 2
    EXPECT_EQ(activeScreen(menus), 2);

    openScreen(0);
    clickAt(150, 140);  // action 0 with a screen that does not exist
    EXPECT_EQ(activeScreen(menus), 0);

    clickAt(150, 230);  // an unknown action
    EXPECT_EQ(activeScreen(menus), 0);
    EXPECT_EQ(shell->mode(), Mode::Menu);
    EXPECT_FALSE(shell->quitRequested());

    clickAt(150, 170);  // the editor
    EXPECT_EQ(shell->mode(), Mode::Editor);
    EXPECT_FALSE(shell->quitRequested());
    EXPECT_EQ(activeScreen(menus), 0) << "the screen stays as it was for the way back";

    shell->carryOut(ModeRequest::leave());
    clickAt(150, 200);  // quit
    EXPECT_TRUE(shell->quitRequested());
    EXPECT_EQ(shell->mode(), Mode::Menu);
}

TEST_F(MenuScreenTest, HintLineTypesOutTheOldTextBeforeTypingInTheNew)
{
    readScreens("(5)[0]{0}<400>{1}<550>{3}<Pick one>"
                "(1)[0]:0;{0}<0>{1}<0>{2}<50>{3}<20>{7}<Play>"
                "(1)[0]:1;{0}<60>{1}<0>{2}<50>{3}<20>{7}<Play>"
                "(1)[0]:2;{0}<120>{1}<0>{2}<50>{3}<20>{7}<Quit>");
    openScreen(0);
    Menu& screen = menus[0];

    moveMouseTo(400, 400);
    runFrames(60);
    EXPECT_EQ(screen.hint.text, "Pick one");
    EXPECT_FLOAT_EQ(screen.hint.reveal, 1.0f);

    // A new hint waits for the old one to type itself out.
    moveMouseTo(10, 10);
    runFrames(10);
    EXPECT_EQ(screen.hint.text, "Pick one");
    EXPECT_TRUE(screen.hint.hiding);
    EXPECT_LT(screen.hint.reveal, 1.0f);
    runFrames(50);
    EXPECT_EQ(screen.hint.text, "Play");
    EXPECT_FALSE(screen.hint.hiding);
    runFrames(60);
    EXPECT_FLOAT_EQ(screen.hint.reveal, 1.0f);

    // Another button with the same hint leaves the line as it is.
    moveMouseTo(70, 10);
    runFrames(1);
    EXPECT_EQ(screen.hint.text, "Play");
    EXPECT_FALSE(screen.hint.hiding);
    EXPECT_FLOAT_EQ(screen.hint.reveal, 1.0f);

    moveMouseTo(130, 10);
    runFrames(120);
    EXPECT_EQ(screen.hint.text, "Quit");
    EXPECT_FLOAT_EQ(screen.hint.reveal, 1.0f);

    // Off every button the default hint comes back the same way.
    moveMouseTo(400, 400);
    runFrames(120);
    EXPECT_EQ(screen.hint.text, "Pick one");
    EXPECT_FLOAT_EQ(screen.hint.reveal, 1.0f);
}

TEST_F(MenuScreenTest, MouseBallFollowsTheMouseAndTheBackgroundRunsOnlyWhenAsked)
{
    readScreens("(0)[0]{1}<still>{6}<0>(0)[1]{1}<running>");
    for (Menu& screen : menus) {
        // A free ball high up that gravity would pull down.
        screen.simulation.size = Vector2D(5.0f, 5.0f);
        screen.simulation.balls.emplace_back();
        Ball& ball = screen.simulation.balls.back();
        ball.position = Vector2D(3.0f, 3.0f);
        ball.radius = 0.3f;
        ball.mass = 1.0f;
        ball.held = false;
    }
    mouse.world = Vector2D(-2.0f, 1.5f);

    openScreen(0);
    runFrames(20);
    const Simulation& still = menus[0].simulation;
    ASSERT_EQ(still.balls.size(), 1u) << "the level's first ball becomes the cursor";
    EXPECT_TRUE(still.balls[0].held);
    EXPECT_FLOAT_EQ(still.balls[0].position.x, -2.0f);
    EXPECT_FLOAT_EQ(still.balls[0].position.y, 1.5f);

    // A level without balls gets a cursor ball; nothing else moves.
    menus[0].simulation.balls.clear();
    menus[0].simulation.ropes.emplace_back();
    menus[0].simulation.ropes.back().masses.emplace_back();
    menus[0].simulation.ropes.back().masses.back().position = Vector2D(1.0f, 1.0f);
    menus[0].simulation.ropes.back().masses.back().mass = 1.0f;
    runFrames(20);
    ASSERT_EQ(still.balls.size(), 1u);
    EXPECT_TRUE(still.balls[0].held);
    EXPECT_FLOAT_EQ(still.balls[0].radius, 0.5f);
    EXPECT_FLOAT_EQ(still.balls[0].mass, 1.0f);
    EXPECT_FLOAT_EQ(still.balls[0].position.x, -2.0f);
    EXPECT_FLOAT_EQ(still.ropes[0].masses[0].position.y, 1.0f) << "nothing is simulated";

    // The running screen steps its world: a free rope point falls, but not
    // with a frame time of 10 or more.
    openScreen(1);
    Simulation& running = menus[1].simulation;
    running.balls.emplace_back();
    running.balls.back().position = Vector2D(3.0f, 3.0f);
    running.balls.back().radius = 0.3f;
    running.balls.back().mass = 1.0f;
    menus[1].update(input, 10.0f, shell->game, shell->view);
    EXPECT_FLOAT_EQ(running.balls[1].position.y, 3.0f);
    runFrames(20);
    EXPECT_FLOAT_EQ(running.balls[0].position.x, -2.0f);
    EXPECT_LT(running.balls[1].position.y, 3.0f);
}

TEST_F(MenuScreenTest, ClosingScreenFadesAndTypesItsTextsOut)
{
    readScreens("(4)[0]:0;{3}<Hello>(4)[1]:0;{3}<Other>");
    openScreen(0);
    runFrames(60);
    EXPECT_FLOAT_EQ(menus[0].fade, 1.0f);
    EXPECT_FLOAT_EQ(menus[0].texts[0].reveal, 1.0f);

    openScreen(1);
    runFrames(10);
    EXPECT_NEAR(menus[0].fade, 0.8f, 1e-4f);
    EXPECT_NEAR(menus[1].fade, 0.2f, 1e-4f);
    EXPECT_TRUE(menus[0].texts[0].hiding);
    runFrames(45);
    EXPECT_TRUE(menus[0].texts.empty()) << "a typed-out text is dropped";
    EXPECT_EQ(menus[0].fade, 0.0f) << "a closed screen is no longer drawn";
    EXPECT_FALSE(menus[0].wasActive);
}

TEST_F(MenuScreenTest, LevelListStartsALevelOnceAndTheScreenWaitsUnchanged)
{
    shell->game.levels.emplace_back("first");
    shell->game.levels.emplace_back("second");
    readScreens("(0)[0]{7}<1>(6)[0]{0}<300>{1}<100>{2}<200>{3}<300>"
                "(4)[0]:0;{3}<Choose>");
    openScreen(0);
    moveMouseTo(0, 0);
    runFrames(60);

    // Row 0 spans y 111..122 (one row height below the top of the list).
    moveMouseTo(400, 116, true);
    updateAll();
    EXPECT_EQ(shell->mode(), Mode::Play);
    EXPECT_EQ(shell->play.levelNumber, 0);
    const float fadeBefore = menus[0].fade;
    const float revealBefore = menus[0].texts[0].reveal;

    // Back from play with the list open and the mouse still over the row.
    shell->carryOut(ModeRequest::leave());
    moveMouseTo(400, 116, false);
    updateAll();
    EXPECT_EQ(shell->mode(), Mode::Menu);
    EXPECT_TRUE(menus[0].active);
    EXPECT_FLOAT_EQ(menus[0].fade, fadeBefore);
    EXPECT_FLOAT_EQ(menus[0].texts[0].reveal, revealBefore);

    // Row 1 is locked until the first level is completed.
    moveMouseTo(400, 127, true);
    updateAll();
    EXPECT_EQ(shell->mode(), Mode::Menu);
}

TEST_F(MenuScreenTest, AScreenOpenedLateTypesItsHintInAtOnce)
{
    readScreens("(5)[0]{3}<First>(5)[1]{0}<400>{1}<550>{3}<Second>");
    openScreen(0);
    moveMouseTo(400, 400);
    runFrames(120);  // screen 1 waits shut all this while

    openScreen(1);
    runFrames(2);
    EXPECT_EQ(menus[1].hint.text, "Second");
    EXPECT_FALSE(menus[1].hint.hiding);
    runFrames(60);
    EXPECT_FLOAT_EQ(menus[1].hint.reveal, 1.0f);
}

}  // namespace
