// The game's own questions: what Enter, Esc and clicks answer, and that the
// input they take reaches nothing else.
#include <gtest/gtest.h>

#include <vector>

#include "input/input.h"
#include "ui/dialog.h"

namespace {

class DialogTest : public ::testing::Test {
protected:
    Input input;
    MouseState& mouse = input.mouse;
    bool (&keysPressed)[256] = input.keysPressed;
    void clearKeyPresses() { input.clearKeyPresses(); }

    DialogQuestion question(const char* text)
    {
        DialogQuestion asked;
        asked.text = text;
        asked.yesLabel = "Leave";
        asked.noLabel = "Stay";
        asked.onAnswer = [this](const DialogReply& reply) { replies.push_back(reply); };
        return asked;
    }

    void press(int key)
    {
        keysPressed[key] = true;
        dialog.update();
        // The dialog takes the key: nothing updated after it sees it.
        EXPECT_FALSE(keysPressed[key]);
        clearKeyPresses();
    }

    /// The mouse at the centre of a button, pressed or not, for one update.
    void mouseOn(const Button& button, bool down)
    {
        mouse.x = static_cast<int>(button.position.x + button.size.x / 2);
        mouse.y = static_cast<int>(button.position.y + button.size.y / 2);
        mouse.leftDown = down;
        dialog.update();
    }

    Dialog dialog{input};
    std::vector<DialogReply> replies;
};

} // namespace

TEST_F(DialogTest, EnterTakesTheProposedAnswerEscTheOneThatKeepsThingsAndQuestionsWaitTheirTurn)
{
    dialog.ask(question("first"));
    DialogQuestion reversed = question("second");
    reversed.enterAnswer = DialogAnswer::No;
    dialog.ask(reversed);
    ASSERT_EQ(dialog.shownQuestion()->text, "first");
    EXPECT_EQ(dialog.button(DialogAnswer::Yes).label, "Leave");
    EXPECT_EQ(dialog.button(DialogAnswer::No).label, "Stay");

    dialog.update();  // no key, no answer
    EXPECT_TRUE(replies.empty());
    press(kVkEscape);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_FALSE(replies[0].yes());
    ASSERT_TRUE(dialog.isOpen());
    EXPECT_EQ(dialog.shownQuestion()->text, "second");
    press(kVkReturn);
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_FALSE(replies[1].yes());
    EXPECT_FALSE(dialog.holdsInput());
}

TEST_F(DialogTest, AClickAnswersOnReleaseOverAButtonAndItsReleaseStaysWithTheDialog)
{
    dialog.ask(question("go?"));
    const Button yes = dialog.button(DialogAnswer::Yes);
    const Button no = dialog.button(DialogAnswer::No);
    EXPECT_LT(yes.position.x + yes.size.x, no.position.x);

    mouseOn(yes, true);
    mouseOn(yes, false);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_TRUE(replies[0].yes());

    // Answered by a press that is still held: it stays the dialog's until let go.
    dialog.ask(question("again?"));
    mouseOn(no, true);
    keysPressed[kVkReturn] = true;
    dialog.update();
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_TRUE(dialog.holdsInput());
    mouse.leftDown = false;
    dialog.update();
    EXPECT_FALSE(dialog.holdsInput());
    EXPECT_EQ(replies.size(), 2u);

    // A question asked while the button is held is not answered by its release.
    mouseOn(yes, true);
    dialog.ask(question("held?"));
    mouseOn(yes, false);
    mouseOn(yes, false);
    EXPECT_TRUE(dialog.isOpen());
}

TEST_F(DialogTest, TheQuestionIsWrappedToTheBoxAndAFieldTakesTypedKeys)
{
    DialogQuestion asked = question(
        "The level has changes that are not saved.\nLoad AVERYLONGNAMEWITHOUTANYSPACEINSIDEIT anyway?");
    asked.hasField = true;
    asked.fieldText = "HILL";
    dialog.ask(asked);
    const std::vector<std::string> lines = dialog.shownLines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "The level has changes that are not");
    EXPECT_EQ(lines[1], "saved.");
    for (const std::string& line : lines) EXPECT_LE(line.size() * Dialog::kTextSize, Dialog::kWidth - 32.0f) << line;
    EXPECT_EQ(lines[3], "AVERYLONGNAMEWITHOUTANYSPACEINSIDE");  // a word longer than a line is broken
    EXPECT_EQ(lines.back(), "IT anyway?");

    for (int key : {int{kVkBack}, int{'L'}, int{'Y'}}) dialog.keyDown(key);
    press(kVkReturn);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].text, "HILLY");
}
