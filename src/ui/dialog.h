#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/button.h"

/// The two answers of a question: Yes does what the question proposes
/// (leave, replace, go on windowed), No keeps things as they are.
enum class DialogAnswer { Yes, No };

/// What the asker gets when the player has answered.
struct DialogReply {
    DialogAnswer answer = DialogAnswer::No;
    /// The text typed into the question's field (empty for a question
    /// without one).
    std::string text;

    bool yes() const { return answer == DialogAnswer::Yes; }
};

/// One question. The labels say what each button does ("Leave" / "Stay");
/// a question worded by the game's own history keeps "Yes" / "No".
struct DialogQuestion {
    std::string text;              ///< wrapped to the box; '\n' starts a new line
    std::string yesLabel = "Yes";  ///< left button
    std::string noLabel = "No";    ///< right button
    DialogAnswer enterAnswer = DialogAnswer::Yes;  ///< what Enter takes
    DialogAnswer escapeAnswer = DialogAnswer::No;  ///< what Esc takes
    /// With a field: a one-line text entry under the question (a rename),
    /// starting with fieldText; typed keys go to it (see Dialog::keyDown).
    bool hasField = false;
    std::string fieldText;
    /// Called once, with the answer, in the update that takes it.
    std::function<void(const DialogReply&)> onAnswer;
};

/// The game's own modal question, drawn in the overlay over the dimmed
/// picture: the question wrapped in a box, two buttons under it. Enter and
/// Esc answer as the question says, a click on a button answers with it;
/// each answer plays the button sound. While it is open (and until the mouse
/// button that answered it is let go) it takes every key and click: its
/// owner updates nothing else. A question asked while another is open waits
/// its turn.
class Dialog {
public:
    /// Box and button sizes, overlay pixels of the 800 x 600 picture.
    static constexpr float kWidth = 440.0f;
    static constexpr float kTextSize = 12.0f;
    static constexpr float kLineHeight = 18.0f;
    static constexpr float kButtonWidth = 120.0f;
    static constexpr float kButtonHeight = 26.0f;
    static constexpr std::size_t kMaxFieldLength = 40;

    /// A dialog over the game whose input is `input`: a question asked
    /// while the button is held waits for its release, and the keys it
    /// answers with are taken from the input.
    explicit Dialog(Input& input) : input_(input) {}

    /// Shows the question now, or after the ones already waiting.
    void ask(DialogQuestion question);

    /// A question is shown.
    bool isOpen() const { return !questions_.empty(); }
    /// The dialog holds the input: open, or its answering click not yet let
    /// go (so the press reaches nothing behind it).
    bool holdsInput() const { return isOpen() || waitForRelease_; }

    /// Once per update while it holds the input: Enter, Esc (from
    /// keysPressed, which it clears for them) and the buttons (from the
    /// mouse).
    /// Calls the asker back when answered. No GL.
    void update();

    /// A key press (virtual-key code) while open: typed into the field of a
    /// question that has one (letters, digits, space, '-', '_', Backspace).
    void keyDown(int virtualKey);

    /// The question shown; nullptr when closed.
    const DialogQuestion* shownQuestion() const { return isOpen() ? &questions_.front() : nullptr; }
    /// The text of the question shown, cut into the lines the box shows.
    std::vector<std::string> shownLines() const;
    /// The field's text of the question shown.
    const std::string& fieldText() const;
    /// The two buttons as laid out for the question shown: Yes, then No.
    const Button& button(DialogAnswer answer) const { return answer == DialogAnswer::Yes ? yes_ : no_; }

    /// Dims the frame and draws the box over it. GL only; nothing when closed.
    void draw() const;

private:
    Input& input_;
    std::vector<DialogQuestion> questions_;  ///< the front one is shown
    Button yes_;
    Button no_;
    bool waitForRelease_ = false;

    void layOut();
    void answer(DialogAnswer answer);
    float boxHeight() const;
    float boxTop() const;
};

/// Cuts text into lines of at most `width` characters at spaces (a word
/// longer than a line is broken); '\n' always starts a new line.
std::vector<std::string> wrapText(const std::string& text, std::size_t width);
