#include "ui/text_field.h"

#include <GL/gl.h>

#include "app/clock.h"
#include "app/input.h"
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

void setFieldColour(bool focused)
{
    if (focused) {
        glColor3f(1.0f, 1.0f, 1.0f);
    } else {
        glColor3f(0.0f, 0.0f, 1.0f);
    }
}

} // namespace

void Insert::update(PageHolders holders)
{
    // Text fields have no alwaysVisible flag.
    if (!onShownPage(false, holderIndex, pageIndex, holders)) return;

    if (text.size() > kMaxLength) text.resize(kMaxLength);
    focused = mouseInside(position, size.x, size.y);
}

void Insert::typeKey(int virtualKey)
{
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

std::string Insert::shownText() const
{
    if (focused && tickCount() % kBlinkPeriodMs < kBlinkOnMs) return text + "_";
    return text;
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

    placeAt(position.x, position.y + size.y * 0.25f);
    drawText(shownText(), kTextSize);
}

void typeIntoFocused(std::vector<Insert>& fields, int virtualKey)
{
    for (Insert& field : fields) {
        if (field.focused) field.typeKey(virtualKey);
    }
}
