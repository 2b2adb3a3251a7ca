// Scrolling of the level list: which rows are in view, and the wheel, keys
// and scroll bar that move them.
#include <algorithm>
#include <cmath>

#include "input/input.h"
#include "menu/level_list.h"

namespace {

constexpr float kBarGap = 4.0f;        ///< pixels between the rectangle and the bar
constexpr float kBarWidth = 10.0f;
constexpr float kMinThumbHeight = 12.0f;
/// A held arrow key scrolls once, then again after this many updates, and
/// then every kKeyRepeatEvery updates.
constexpr int kKeyRepeatAfter = 30;
constexpr int kKeyRepeatEvery = 4;

}  // namespace

int LevelList::visibleRows() const
{
    // The first rowHeight of the rectangle is the heading, left empty.
    return std::max(1, (static_cast<int>(size.y) - rowHeight) / std::max(1, rowHeight));
}

void LevelList::scrollBy(int rows)
{
    const int last = std::max(0, static_cast<int>(items.size()) - visibleRows());
    const int wanted = std::clamp(firstRow + rows, 0, last);
    if (wanted == firstRow) return;
    firstRow = wanted;
    placeItems();
}

void LevelList::scrollToRow(int row)
{
    row = std::clamp(row, 0, std::max(0, static_cast<int>(items.size()) - 1));
    if (row < firstRow) scrollBy(row - firstRow);
    if (row >= firstRow + visibleRows()) scrollBy(row - (firstRow + visibleRows() - 1));
}

LevelList::Bar LevelList::scrollBar() const
{
    Bar bar{};
    bar.left = position.x + size.x + kBarGap;
    bar.top = position.y + static_cast<float>(rowHeight);
    bar.width = kBarWidth;
    const int visible = visibleRows();
    bar.height = static_cast<float>(rowHeight * visible);
    const int count = std::max(1, static_cast<int>(items.size()));
    bar.thumbHeight = std::clamp(bar.height * static_cast<float>(visible) / static_cast<float>(count),
                                 std::min(kMinThumbHeight, bar.height), bar.height);
    const int last = std::max(1, count - visible);
    bar.thumbTop = bar.top + (bar.height - bar.thumbHeight) * static_cast<float>(std::min(firstRow, last)) /
                                 static_cast<float>(last);
    return bar;
}

void LevelList::scrollByInput(const Input& input)
{
    // The wheel: a notch away from the player shows the rows above.
    if (input.mouse.wheel != 0) scrollBy(-input.mouse.wheel);

    const bool held[4] = {input.keys[kVkUp], input.keys[kVkDown], input.keys[kVkPrior], input.keys[kVkNext]};
    const int steps[4] = {-1, 1, -visibleRows(), visibleRows()};
    bool anyHeld = false;
    for (int k = 0; k < 4; ++k) {
        if (!held[k]) continue;
        anyHeld = true;
        const bool fresh = !keyHeld_[k];
        const bool repeat = !fresh && keyRepeat_ >= kKeyRepeatAfter && (keyRepeat_ - kKeyRepeatAfter) % kKeyRepeatEvery == 0;
        if (fresh) keyRepeat_ = 0;
        if (fresh || repeat) scrollBy(steps[k]);
    }
    keyRepeat_ = anyHeld ? keyRepeat_ + 1 : 0;
    std::copy(held, held + 4, keyHeld_);
}

void LevelList::scrollByBar(const Input& input, float x, float y)
{
    const bool pressed = input.mouse.leftDown && !mouseWasDown_;
    mouseWasDown_ = input.mouse.leftDown;
    if (!input.mouse.leftDown) {
        barPressed_ = false;
        thumbGrab_ = -1.0f;
        return;
    }
    if (!scrolls()) return;
    const Bar bar = scrollBar();
    if (pressed && bar.left <= x && x <= bar.left + bar.width && bar.top <= y && y <= bar.top + bar.height) {
        barPressed_ = true;
        // On the thumb it is dragged; above or below it pages once.
        if (y < bar.thumbTop) scrollBy(-visibleRows());
        else if (y > bar.thumbTop + bar.thumbHeight) scrollBy(visibleRows());
        else thumbGrab_ = y - bar.thumbTop;
    }
    if (thumbGrab_ < 0.0f || bar.height <= bar.thumbHeight) return;
    const int last = static_cast<int>(items.size()) - visibleRows();
    const float share = (y - thumbGrab_ - bar.top) / (bar.height - bar.thumbHeight);
    scrollBy(static_cast<int>(std::lround(std::clamp(share, 0.0f, 1.0f) * static_cast<float>(last))) - firstRow);
}
