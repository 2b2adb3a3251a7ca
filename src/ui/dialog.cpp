#include "ui/dialog.h"

#include <GL/gl.h>

#include <utility>

#include "input/input.h"
#include "app/picture_fit.h"
#include "audio/sound.h"
#include "ui/overlay.h"
#include "ui/text.h"
#include "ui/text_field.h"

namespace {

constexpr float kPadding = 16.0f;
constexpr float kFieldHeight = 24.0f;
constexpr float kButtonGap = 20.0f;
constexpr float kDimShade = 0.35f;  ///< the picture behind, darkened
constexpr float kBoxShade = 0.15f;  ///< the box's own ground, darker still
constexpr std::size_t kCharactersPerLine =
    static_cast<std::size_t>((Dialog::kWidth - 2.0f * kPadding) / Dialog::kTextSize);

float boxLeft() { return (kLogicalWidth - Dialog::kWidth) * 0.5f; }

void appendWrapped(std::vector<std::string>& lines, const std::string& paragraph, std::size_t width)
{
    std::string line;
    std::size_t start = 0;
    while (start <= paragraph.size()) {
        std::size_t end = paragraph.find(' ', start);
        if (end == std::string::npos) end = paragraph.size();
        std::string word = paragraph.substr(start, end - start);
        start = end + 1;
        // A word longer than a whole line is broken where the line is full.
        while (word.size() > width) {
            if (!line.empty()) lines.push_back(std::exchange(line, {}));
            lines.push_back(word.substr(0, width));
            word.erase(0, width);
        }
        if (word.empty()) continue;
        if (!line.empty() && line.size() + 1 + word.size() > width) lines.push_back(std::exchange(line, {}));
        if (!line.empty()) line += ' ';
        line += word;
    }
    lines.push_back(line);
}

} // namespace

std::vector<std::string> wrapText(const std::string& text, std::size_t width)
{
    std::vector<std::string> lines;
    if (width == 0) width = 1;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        appendWrapped(lines, text.substr(start, end == std::string::npos ? std::string::npos : end - start), width);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

void Dialog::ask(DialogQuestion question)
{
    questions_.push_back(std::move(question));
    if (questions_.size() > 1) return;
    // A press held since before the question must not answer it on release.
    waitForRelease_ = input_.mouse.leftDown;
    layOut();
}

std::vector<std::string> Dialog::shownLines() const
{
    if (!isOpen()) return {};
    return wrapText(questions_.front().text, kCharactersPerLine);
}

const std::string& Dialog::fieldText() const
{
    static const std::string none;
    return isOpen() ? questions_.front().fieldText : none;
}

float Dialog::boxHeight() const
{
    const float field = isOpen() && questions_.front().hasField ? kFieldHeight + kPadding : 0.0f;
    return kPadding + static_cast<float>(shownLines().size()) * kLineHeight + kPadding + field +
           kButtonHeight + kPadding;
}

float Dialog::boxTop() const { return (kLogicalHeight - boxHeight()) * 0.5f; }

void Dialog::layOut()
{
    const DialogQuestion& question = questions_.front();
    const float centre = kLogicalWidth * 0.5f;
    const float buttonTop = boxTop() + boxHeight() - kPadding - kButtonHeight;
    yes_ = Button{};
    no_ = Button{};
    for (Button* button : {&yes_, &no_}) {
        button->alwaysVisible = true;
        button->size = {kButtonWidth, kButtonHeight};
        button->position.y = buttonTop;
    }
    yes_.position.x = centre - kButtonGap * 0.5f - kButtonWidth;
    no_.position.x = centre + kButtonGap * 0.5f;
    yes_.label = question.yesLabel;
    no_.label = question.noLabel;
}

void Dialog::update()
{
    if (waitForRelease_ && !input_.mouse.leftDown) waitForRelease_ = false;
    if (!isOpen()) return;

    const DialogQuestion& question = questions_.front();
    if (!waitForRelease_) {
        yes_.update(input_);
        no_.update(input_);
    }
    // A button plays its own sound; the keys play the same one.
    const auto keyAnswer = [this](DialogAnswer chosen) {
        const Button& pressed = button(chosen);
        playSound(SoundId::ButtonClick, 1.0f, panForOverlayX(pressed.position.x + pressed.size.x * 0.5f));
        answer(chosen);
    };
    if (yes_.clicked) {
        answer(DialogAnswer::Yes);
    } else if (no_.clicked) {
        answer(DialogAnswer::No);
    } else if (input_.keysPressed[kVkReturn]) {
        input_.keysPressed[kVkReturn] = false;
        keyAnswer(question.enterAnswer);
    } else if (input_.keysPressed[kVkEscape]) {
        input_.keysPressed[kVkEscape] = false;
        keyAnswer(question.escapeAnswer);
    }
}

void Dialog::answer(DialogAnswer chosen)
{
    DialogQuestion question = std::move(questions_.front());
    questions_.erase(questions_.begin());
    // The click that answered stays ours until it is let go.
    waitForRelease_ = input_.mouse.leftDown;
    if (isOpen()) layOut();
    // Called last: the answer may ask a question of its own.
    if (question.onAnswer) question.onAnswer({chosen, question.hasField ? question.fieldText : std::string()});
}

void Dialog::keyDown(int virtualKey)
{
    if (!isOpen() || !questions_.front().hasField) return;
    // The same typing as the editor's fields, with room for a longer name.
    Insert entry;
    entry.text = questions_.front().fieldText;
    entry.typeKey(virtualKey);
    if (entry.text.size() <= kMaxFieldLength) questions_.front().fieldText = entry.text;
}

void Dialog::draw() const
{
    if (!isOpen()) return;
    const DialogQuestion& question = questions_.front();
    const float left = boxLeft();
    const float top = boxTop();
    const float height = boxHeight();

    beginOverlay();
    drawShadeRect(0.0f, 0.0f, static_cast<float>(kLogicalWidth), static_cast<float>(kLogicalHeight), kDimShade);
    drawShadeRect(left, top, kWidth, height, kBoxShade);
    glDisable(GL_BLEND);
    glColor3f(1.0f, 1.0f, 1.0f);
    placeAt(left, top);
    drawOutlineRect(kWidth, height);

    float y = top + kPadding + kLineHeight * 0.5f;
    for (const std::string& line : shownLines()) {
        drawTextCentered(line, kLogicalWidth * 0.5f, y, kTextSize);
        y += kLineHeight;
    }
    if (question.hasField) {
        const float fieldTop = y - kLineHeight * 0.5f + kPadding;
        glDisable(GL_BLEND);
        glColor3f(1.0f, 1.0f, 1.0f);
        placeAt(left + kPadding, fieldTop);
        drawOutlineRect(kWidth - 2.0f * kPadding, kFieldHeight);
        drawTextCentered(question.fieldText + "_", kLogicalWidth * 0.5f, fieldTop + kFieldHeight * 0.5f, kTextSize);
    }
    yes_.draw();
    no_.draw();
    // The button Enter takes is framed twice.
    const Button& proposed = button(question.enterAnswer);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(0.6f, 0.6f, 1.0f);
    placeAt(proposed.position.x - 3.0f, proposed.position.y - 3.0f);
    drawOutlineRect(proposed.size.x + 6.0f, proposed.size.y + 6.0f);
}
