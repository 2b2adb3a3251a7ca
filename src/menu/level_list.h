#pragma once

#include <string>
#include <vector>

#include "level/author_levels.h"
#include "physics/vector2d.h"
#include "ui/btext.h"

struct Game;

/// The clickable column of level names on a main-menu screen. Rows open in
/// list order: row i reacts only when i <= game.completedLevels. Completed rows
/// carry a tick, locked rows a cross. As many rows as fit the rectangle are
/// shown; a longer list scrolls with the mouse wheel, the arrow and page
/// keys, and a scroll bar beside the rectangle.
struct Input;

struct LevelList {
    std::vector<BText> items;   ///< one text per level, in the order of game.levels
    Vector2D position;          ///< top-left corner of the rectangle, overlay pixels
    Vector2D size;              ///< width and height of the rectangle
    int rowHeight = 11;         ///< pixels per row
    int hoverIndex = -1;        ///< open row under the mouse, -1 for none
    int selectedIndex = -1;     ///< row clicked in this update, -1 for none
    /// Author's list: the row under the mouse when F2 (rename) or Delete was
    /// pressed in this update, -1 for none; unreadable rows too.
    int renameIndex = -1;
    int deleteIndex = -1;
    bool built = false;         ///< items made from the level names
    bool shown = true;          ///< open: outline, marks and hit tests active
    int firstRow = 0;           ///< row shown at the top of the rectangle
    /// The list shows the levels the author saved (`authored`) instead of
    /// the game's: every readable row is open, none carries a mark, and
    /// playing one counts for nothing.
    bool authorLevels = false;
    std::vector<AuthorLevel> authored;
    std::size_t authoredNotListed = 0;  ///< saves beyond the listed ones, told in a last row
    /// Words of the line over the list, followed by the stars earned of the stars
    /// there are ("Stars 5 of 48"); empty (an older menu file): no heading.
    std::string starsHeading;

    /// Reads the author's levels afresh from folder and rebuilds the rows at
    /// the next update. Only for a list of the author's levels.
    void rescan(const std::string& folder);

    /// Once per frame while the owning screen has a list: builds the items
    /// on the first call, steps their reveal, and while shown finds the row
    /// under the mouse (pixels) and the one chosen with the left button.
    void update(const Input& input, const Game& game);
    /// Outline, names, marks and hover lines in overlay pixels. GL only.
    void draw(const Game& game) const;
    /// Opens the list and types its names in.
    void show();
    /// Closes the list and types its names out.
    void hide();

    /// The mark beside a row with `completedLevels` levels done: done rows a
    /// tick, the next level none, locked rows a cross.
    enum class Mark { None, Tick, Cross };
    static Mark markOf(int row, int completedLevels);

    /// Rows that fit below the heading row of the rectangle (at least one).
    int visibleRows() const;
    /// Whether the list is longer than the rectangle and shows its scroll bar.
    bool scrolls() const { return static_cast<int>(items.size()) > visibleRows(); }
    /// Moves the top row by `rows` (negative up), kept within the list.
    void scrollBy(int rows);
    /// Scrolls the least that brings `row` into view.
    void scrollToRow(int row);

    /// The scroll bar's track and thumb, overlay pixels: a strip just right
    /// of the rectangle, beside the rows.
    struct Bar {
        float left, top, width, height;  ///< the track
        float thumbTop, thumbHeight;
    };
    Bar scrollBar() const;

private:
    void build(const Game& game);
    void placeItems();
    bool rowOpen(int row, const Game& game) const;
    /// The row to bring into view: the next level to play, or the top of
    /// the author's own list.
    int nextRow(const Game& game) const;
    void drawRowLook(int row) const;
    void drawLockedShade(int row) const;
    /// The star of a finished row, or the ropes it was finished with.
    void drawRowResult(int row, const Game& game) const;
    void drawStarsHeading(const Game& game) const;
    void scrollByInput(const Input& input);
    void scrollByBar(const Input& input, float x, float y);

    bool keyHeld_[4] = {};  ///< Up, Down, Page Up, Page Down at the last update
    int keyRepeat_ = 0;     ///< updates the scrolling key has been held
    int shownCompleted_ = -1;  ///< completed levels when the next level was last brought into view
    bool mouseWasDown_ = false;  ///< the left button at the last update
    bool barPressed_ = false;  ///< the left button went down on the scroll bar
    float thumbGrab_ = -1.0f;  ///< pixels from the thumb's top where it was grabbed, -1 when not dragging
};
