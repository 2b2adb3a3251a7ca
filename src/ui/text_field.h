#pragma once

#include <string>
#include <vector>

#include "physics/vector2d.h"
#include "ui/page_holder.h"

/// A one-line text field. It has the keyboard exactly while the mouse is over
/// its box; its owner's key handler feeds it virtual-key codes.
struct Insert {
    static constexpr std::size_t kMaxLength = 17;

    Vector2D position;          ///< top-left corner of the box
    Vector2D size;              ///< width, height of the box
    std::string label;          ///< caption drawn above the box
    std::string text;           ///< entered text, at most kMaxLength after each update
    int holderIndex = 0;
    int pageIndex = 0;
    bool focused = false;       ///< accepts keys; true exactly while the mouse is over the box

    /// Cuts the text to kMaxLength and takes focus from the mouse, once per
    /// frame; no GL. Does nothing off a shown page.
    void update(PageHolders holders = {});
    /// Applies one key press (virtual-key code) to the text, whatever the
    /// focus: codes 0x30-0x7A append that character, Space a space,
    /// Backspace removes the last one; Enter, arrows and the rest do nothing.
    /// The length limit is left to the next update.
    void typeKey(int virtualKey);
    /// The text as drawn: followed by "_" while focused in the first half of
    /// every 500 ms of tickCount().
    std::string shownText() const;
    /// Caption, box and text in overlay pixels. GL only.
    void draw(PageHolders holders = {}) const;
};

/// Hands one key press to every focused field, shown or not. Called by the
/// owner's key handler for each key-down message.
void typeIntoFocused(std::vector<Insert>& fields, int virtualKey);
