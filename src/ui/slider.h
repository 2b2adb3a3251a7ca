#pragma once

#include <string>

#include "physics/vector2d.h"
#include "ui/page_holder.h"

/// A horizontal slider, 10 pixels high, whose value (0 to 100) follows the
/// mouse while the left button is held over the bar.
struct Slide {
    static constexpr int kBarHeight = 10;

    Vector2D position;          ///< top-left corner of the bar
    int width = 0;              ///< bar length in pixels, set by the owner
    float value = 50.0f;        ///< 0 to 100, the marker's place along the bar
    std::string label;          ///< drawn above the bar
    bool hover = false;         ///< mouse is over the bar
    bool changed = true;        ///< value changed in the last update
    bool alwaysVisible = false; ///< ignore holderIndex and pageIndex
    int holderIndex = 0;
    int pageIndex = 0;

    /// Polls input.mouse once per frame; no GL. Does nothing off a shown page.
    void update(const Input& input, PageHolders holders = {});
    /// True once for each change, which the owner then applies. A hidden
    /// slider keeps its flag, so an owner that only read `changed` would
    /// apply a change made just before its page was hidden every frame.
    bool takeChange()
    {
        const bool was = changed;
        changed = false;
        return was;
    }
    /// Bar, marker and caption in overlay pixels. GL only.
    void draw(PageHolders holders = {}) const;
    /// The caption drawn above the bar: the label, and while hovered
    /// ": " and the value truncated toward zero.
    std::string caption() const;
};
