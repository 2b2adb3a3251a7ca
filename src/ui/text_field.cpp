#include "ui/text_field.h"

#include <GL/gl.h>

#include <algorithm>

#include "app/clock.h"
#include "input/input.h"
#include "ui/dialog.h"
#include "ui/overlay.h"
#include "ui/page_holder.h"
#include "ui/text.h"
#include "ui/widget_input.h"

namespace {

constexpr float kTextSize = 10.0f;
// The caption sits this far above the box.
constexpr float kLabelRise = 15.0f;
// The cursor shows for the first half of every blink period (2 Hz).
constexpr std::uint32_t kBlinkPeriodMs = 500;
constexpr std::uint32_t kBlinkOnMs = 250;
// Key codes that append their own character: digits, capitals, and the
// numeric-pad and function keys that share the range.
constexpr int kFirstTypedCode = 0x30;
constexpr int kLastTypedCode = 0x7A;
// A wrapped field's lines, and the margin its text keeps from the box.
constexpr float kLineHeight = 13.0f;
constexpr float kTextInset = 3.0f;

void setFieldColour(bool focused)
{
    if (focused) {
        glColor3f(1.0f, 1.0f, 1.0f);
    } else {
        glColor3f(0.0f, 0.0f, 1.0f);
    }
}

} // namespace

void Insert::update(const Input& input, PageHolders holders)
{
    // Text fields have no alwaysVisible flag.
    if (!onShownPage(false, holderIndex, pageIndex, holders)) return;

    // A field of typed text refuses what goes beyond; a longer text read
    // from a file is the author's and stays.
    if (!takesTypedText && text.size() > maxLength) text.resize(maxLength);
    focused = mouseInside(input, position, size.x, size.y);
}

void Insert::typeKey(int virtualKey)
{
    // Its characters come typed, Shift and all; their keys would double them.
    if (takesTypedText && virtualKey != kVkBack) return;
    switch (virtualKey) {
    case kVkReturn:
    case kVkLeft:
    case kVkUp:
    case kVkRight:
    case kVkDown:
        return;
    case kVkSpace:
        text.push_back(' ');
        return;
    case kVkBack:
        if (!text.empty()) text.pop_back();
        return;
    default:
        break;
    }
    if (virtualKey >= kFirstTypedCode && virtualKey <= kLastTypedCode) {
        text.push_back(static_cast<char>(virtualKey));
    }
}

bool Insert::accepts(char c) const
{
    return takesTypedText && c >= ' ' && c <= '~' && refused.find(c) == std::string::npos && text.size() < maxLength;
}

bool Insert::typeText(char c)
{
    if (!accepts(c)) return false;
    text.push_back(c);
    return true;
}

std::string Insert::shownText() const
{
    if (focused && tickCount() % kBlinkPeriodMs < kBlinkOnMs) return text + "_";
    return text;
}

std::vector<std::string> Insert::shownLines() const
{
    const std::string shown = shownText();
    const int rows = static_cast<int>((size.y - kTextInset) / kLineHeight);
    if (rows <= 1) return {shown};
    const auto perLine = static_cast<std::size_t>(std::max(1.0f, (size.x - 2 * kTextInset) / kTextSize));
    std::vector<std::string> lines = wrapText(shown, perLine);
    if (lines.empty()) lines.emplace_back();
    // The end of the text, where typing happens, stays in sight.
    if (lines.size() > static_cast<std::size_t>(rows)) lines.erase(lines.begin(), lines.end() - rows);
    return lines;
}

void Insert::draw(PageHolders holders) const
{
    if (!onShownPage(false, holderIndex, pageIndex, holders)) return;

    beginOverlay();
    placeAt(position.x, position.y - kLabelRise);
    glDisable(GL_TEXTURE_2D);
    setFieldColour(focused);
    drawText(label, kTextSize);

    setFieldColour(focused);
    glDisable(GL_BLEND);
    placeAt(position.x, position.y);
    drawOutlineRect(size.x, size.y);

    const std::vector<std::string> lines = shownLines();
    if (lines.size() == 1 && size.y < 2 * kLineHeight) {
        placeAt(position.x, position.y + size.y * 0.25f);
        drawText(lines[0], kTextSize);
        return;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        placeAt(position.x + kTextInset, position.y + kTextInset + kLineHeight * static_cast<float>(i));
        drawText(lines[i], kTextSize);
    }
}

void typeIntoFocused(std::vector<Insert>& fields, int virtualKey)
{
    for (Insert& field : fields) {
        if (field.focused) field.typeKey(virtualKey);
    }
}
