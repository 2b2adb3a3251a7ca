#pragma once

#include <string>

#include "physics/vector2d.h"
#include "ui/page_holder.h"

/// A rectangular push button in overlay pixels. A click completes when the
/// left button is released over the button after being held there (the
/// press may start outside and slide in); leaving while held cancels it.
struct Button {
    Vector2D position;          ///< top-left corner
    Vector2D size;              ///< width, height
    std::string label;          ///< drawn centred in the button
    std::string hint;           ///< shown by the main menu while hovered
    int holderIndex = 0;        ///< PageHolder in the owner's holders
    int pageIndex = 0;          ///< page of that holder the button lives on
    bool clicked = false;       ///< true for exactly one update after a click
    bool hover = false;         ///< mouse is over the button
    bool pressed = false;       ///< left button went down (or is held) over it
    bool alwaysVisible = false; ///< ignore holderIndex and pageIndex
    int action = 0;             ///< main-menu action code
    int actionParam = 0;        ///< parameter of that action

    /// Polls input.mouse once per frame; no GL. Does nothing off a shown page.
    void update(const Input& input, PageHolders holders = {});
    /// Outline (white when hovered, blue otherwise) and label at size 10,
    /// in overlay pixels. GL only.
    void draw(PageHolders holders = {}) const;
};
