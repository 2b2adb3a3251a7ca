#pragma once

#include <span>
#include <string>
#include <vector>

#include "physics/vector2d.h"

/// A horizontal strip of tabs of which exactly one is current. Widgets do not
/// live inside it: each names a holder by its index in its owner's list of
/// holders and a page by its index, and is only updated and drawn while that
/// page is current.
struct Input;

class PageHolder {
public:
    struct Page {
        std::string name;        ///< tab caption
        Vector2D labelOffset;    ///< caption position from the tab's left edge and the strip's top
    };

    std::vector<Page> pages;     ///< tabs, left to right
    int currentPage = 0;         ///< index of the current page; -1 means none
    int hoverPage = 0;           ///< tab under the mouse; -1 while the mouse is off the strip
    Vector2D position;           ///< top-left corner of the strip, overlay pixels
    Vector2D size{10.0f, 300.0f};///< width and height of the strip; owners set their own
    int tabWidth = 0;            ///< width of one tab in pixels, set by addPage
    std::string name;            ///< caption drawn above the strip

    /// Appends a tab and lays every tab out again for the current size.
    void addPage(const std::string& pageName);

    /// Hover and selection from input.mouse (pixels). Selection follows the held
    /// left button every frame, not the release. Once per frame; no GL.
    void update(const Input& input);

    /// Draws the strip, its caption and its tabs in overlay pixels. GL only.
    void draw() const;
};

/// The tab strips a widget's holderIndex refers to: its owner's, indexed
/// from 0. Widgets of an owner without tab strips get none.
using PageHolders = std::span<const PageHolder>;

/// The page rule shared by buttons, sliders and text fields: shown when
/// alwaysVisible is set, or when holderIndex names a holder in holders whose
/// current page is pageIndex. A widget not shown is neither updated nor drawn
/// and keeps its flags.
bool onShownPage(bool alwaysVisible, int holderIndex, int pageIndex, PageHolders holders);
