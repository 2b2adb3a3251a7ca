#pragma once

#include <string>
#include <vector>

#include "physics/vector2d.h"
#include "ui/page_holder.h"

/// A text field. It has the keyboard exactly while the mouse is over its box;
/// its owner's key handler feeds it virtual-key codes. A name field is one
/// line of what the keys' codes spell (capitals and digits); a field for real
/// text takes the characters the keyboard types instead (typeText), and
/// shows them wrapped over as many lines as its box holds, the last ones
/// when there are more.
struct Insert {
    static constexpr std::size_t kMaxLength = 17;

    Vector2D position;          ///< top-left corner of the box
    Vector2D size;              ///< width, height of the box
    std::string label;          ///< caption drawn above the box
    std::string text;           ///< entered text, at most kMaxLength after each update
    int holderIndex = 0;
    int pageIndex = 0;
    bool focused = false;       ///< accepts keys; true exactly while the mouse is over the box
    std::size_t maxLength = kMaxLength;
    /// Takes typed characters (typeText) rather than key codes; of the keys
    /// only Backspace edits it.
    bool takesTypedText = false;
    /// Characters typeText refuses besides those that are not printable.
    std::string refused;

    /// Cuts the text to maxLength and takes focus from the mouse, once per
    /// frame; no GL. Does nothing off a shown page.
    void update(const Input& input, PageHolders holders = {});
    /// Applies one key press (virtual-key code) to the text, whatever the
    /// focus: codes 0x30-0x7A append that character, Space a space,
    /// Backspace removes the last one; Enter, arrows and the rest do nothing.
    /// The length limit is left to the next update. A field that takesTypedText
    /// only takes Backspace.
    void typeKey(int virtualKey);
    /// Appends one typed character, whatever the focus, when the field
    /// takesTypedText, it is printable ASCII, not refused, and the text is
    /// shorter than maxLength. Returns whether it was taken.
    bool typeText(char c);
    /// Whether typeText would take c now.
    bool accepts(char c) const;
    /// The text as drawn: followed by "_" while focused in the first half of
    /// every 500 ms of tickCount().
    std::string shownText() const;
    /// The shown text cut into the lines the box shows: a one-line box shows
    /// it whole; a taller one wraps it at the box's width and keeps the last
    /// lines that fit. No GL.
    std::vector<std::string> shownLines() const;
    /// Caption, box and text in overlay pixels. GL only.
    void draw(PageHolders holders = {}) const;
};

/// Hands one key press to every focused field, shown or not. Called by the
/// owner's key handler for each key-down message.
void typeIntoFocused(std::vector<Insert>& fields, int virtualKey);
