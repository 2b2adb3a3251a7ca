#include "ui/corner_notice.h"

#include <GL/gl.h>

#include "app/picture_fit.h"
#include "ui/overlay.h"
#include "ui/text.h"

namespace {

constexpr float kMargin = 8.0f;   ///< from the picture's edges
constexpr float kPadding = 5.0f;  ///< around the text on its band
constexpr float kBandShade = 0.2f;

} // namespace

void CornerNotice::show(const std::string& text)
{
    if (text.empty()) return;
    text_ = text;
    left_ = kShownUpdates;
}

void CornerNotice::update()
{
    if (left_ > 0 && --left_ == 0) text_.clear();
}

void CornerNotice::draw() const
{
    if (text_.empty()) return;
    // Every character advances exactly the text size.
    const float width = static_cast<float>(text_.size()) * kTextSize;
    const float left = static_cast<float>(kLogicalWidth) - kMargin - width - 2.0f * kPadding;
    beginOverlay();
    drawShadeRect(left, kMargin, width + 2.0f * kPadding, kTextSize + 2.0f * kPadding, kBandShade);
    glColor3f(1.0f, 1.0f, 1.0f);
    placeAt(left + kPadding, kMargin + kPadding);
    drawText(text_, kTextSize);
}
