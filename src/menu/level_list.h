#pragma once

#include <string>
#include <vector>

#include "level/author_levels.h"
#include "physics/vector2d.h"
#include "ui/btext.h"

struct Game;

/// The clickable column of level names on a main-menu screen. Rows open in
/// list order: row i reacts only when i <= game.completedLevels. Completed rows
/// carry a tick, locked rows a cross.
struct LevelList {
    std::vector<BText> items;   ///< one text per level, in the order of game.levels
    Vector2D position;          ///< top-left corner of the rectangle, overlay pixels
    Vector2D size;              ///< width and height of the rectangle
    int rowHeight = 11;         ///< pixels per row
    int hoverIndex = -1;        ///< open row under the mouse, -1 for none
    int selectedIndex = -1;     ///< row clicked in this update, -1 for none
    bool built = false;         ///< items made from the level names
    bool shown = true;          ///< open: outline, marks and hit tests active
    /// The list shows the levels the author saved (`authored`) instead of
    /// the game's: every readable row is open, none carries a mark, and
    /// playing one counts for nothing.
    bool authorLevels = false;
    std::vector<AuthorLevel> authored;

    /// Reads the author's levels afresh from folder and rebuilds the rows at
    /// the next update. Only for a list of the author's levels.
    void rescan(const std::string& folder);

    /// Once per frame while the owning screen has a list: builds the items
    /// on the first call, steps their reveal, and while shown finds the row
    /// under the mouse (pixels) and the one chosen with the left button.
    void update(const Game& game);
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

private:
    void build(const Game& game);
    bool rowOpen(int row, const Game& game) const;
    void drawRowLook(int row) const;
    void drawLockedShade(int row) const;
};
