#include "ui/corner_notice.h"

#include <algorithm>

#include "ui/overlay.h"
#include "ui/text.h"

namespace {

constexpr float kCharacterSize = 10.0f;
constexpr float kMargin = 8.0f;    ///< from the window's right and bottom edges
constexpr float kPadding = 4.0f;   ///< around the text on its band
constexpr float kBandShade = 0.25f;

}  // namespace

void CornerNotice::show(const std::string& text)
{
    if (text.empty()) return;
    const std::string line = cutToLength(text, kMaxCharacters);
    if (line == text_ || std::find(waiting_.begin(), waiting_.end(), line) != waiting_.end()) return;
    waiting_.push_back(line);
    if (text_.empty()) update();
}

void CornerNotice::showInstead(const std::string& replaced, const std::string& text)
{
    const std::string line = cutToLength(text, kMaxCharacters);
    if (!replaced.empty() && text_ == replaced) {
        text_ = line;
        left_ = kShownUpdates;
        return;
    }
    const auto waiting = std::find(waiting_.begin(), waiting_.end(), replaced);
    if (!replaced.empty() && waiting != waiting_.end()) {
        *waiting = line;
        return;
    }
    show(text);
}

void CornerNotice::update()
{
    if (left_ > 0) --left_;
    if (left_ > 0) return;
    text_.clear();
    if (waiting_.empty()) return;
    text_ = waiting_.front();
    waiting_.pop_front();
    left_ = kShownUpdates;
}

void CornerNotice::draw() const
{
    if (text_.empty()) return;
    // Bottom right, where no mode keeps its controls' words.
    const float width = kCharacterSize * static_cast<float>(text_.size());
    const float x = std::max(kMargin, static_cast<float>(drawingView().width) - kMargin - width);
    const float y = static_cast<float>(drawingView().height) - kMargin - kCharacterSize;
    beginOverlay();
    drawShadeRect(x - kPadding, y - kPadding, width + 2.0f * kPadding, kCharacterSize + 2.0f * kPadding, kBandShade);
    placeAt(x, y);
    drawText(text_, kCharacterSize);
    endOverlay();
}
