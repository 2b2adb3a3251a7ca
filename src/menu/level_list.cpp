#include "menu/level_list.h"

#include <GL/gl.h>

#include "app/input.h"
#include "level/game.h"
#include "ui/overlay.h"
#include "ui/widget_input.h"

namespace {

std::vector<std::string> rowNames(const LevelList& list, const Game& game)
{
    std::vector<std::string> names;
    if (list.authorLevels) {
        for (const AuthorLevel& level : list.authored)
            names.push_back(level.readable ? level.name : level.name + " (unreadable)");
    } else {
        for (const Level& level : game.levels) names.push_back(level.name);
    }
    return names;
}

}  // namespace

void LevelList::rescan(const std::string& folder)
{
    authored = scanAuthorLevels(folder);
    items.clear();
    built = false;
}

bool LevelList::rowOpen(int row, const Game& game) const
{
    if (!authorLevels) return row <= game.completedLevels;
    return row < static_cast<int>(authored.size()) && authored[static_cast<std::size_t>(row)].readable;
}

void LevelList::build(const Game& game)
{
    const std::vector<std::string> names = rowNames(*this, game);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int row = static_cast<int>(i);
        items.emplace_back();
        BText& item = items.back();
        item.text = names[i];
        item.delay = 30 + 4 * row;
        item.alignment = 1;
        item.maxSize = 11.0f;
        item.position = Vector2D(position.x + size.x * 0.5f,
                                 position.y + static_cast<float>(rowHeight * (row + 1) + rowHeight / 2));
        item.hide();
        // The author's list is rebuilt as its screen opens: its rows type in at once.
        if (authorLevels && shown) item.show();
    }
    built = true;
}

void LevelList::update(const Game& game)
{
    if (!built) build(game);
    for (BText& item : items) item.update();
    if (!shown) return;

    hoverIndex = -1;
    selectedIndex = -1;
    if (!mouseInside(position, size.x, size.y)) return;
    const float y = static_cast<float>(mouse.y);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int row = static_cast<int>(i);
        const float top = static_cast<float>(static_cast<int>(static_cast<float>(row * rowHeight) + position.y +
                                                              static_cast<float>(rowHeight)));
        if (top <= y && y <= top + static_cast<float>(rowHeight) && rowOpen(row, game)) {
            hoverIndex = row;
            if (mouse.leftDown) selectedIndex = row;
        }
    }
}

LevelList::Mark LevelList::markOf(int row, int completedLevels)
{
    if (row < completedLevels) return Mark::Tick;
    if (row > completedLevels) return Mark::Cross;
    return Mark::None;
}

void LevelList::show()
{
    for (BText& item : items) item.show();
    shown = true;
}

void LevelList::hide()
{
    for (BText& item : items) item.hide();
    shown = false;
}

namespace {

void drawTick()
{
    glBegin(GL_LINE_STRIP);
    glVertex2f(-5.0f, 0.0f);
    glVertex2f(0.0f, 5.0f);
    glVertex2f(5.0f, -5.0f);
    glEnd();
}

void drawCross()
{
    glBegin(GL_LINES);
    glVertex2f(-4.0f, -4.0f);
    glVertex2f(4.0f, 4.0f);
    glVertex2f(-4.0f, 4.0f);
    glVertex2f(4.0f, -4.0f);
    glEnd();
}

/// A small padlock centred on the current position, 8 pixels wide.
void drawPadlock()
{
    glBegin(GL_LINE_LOOP);  // body
    glVertex2f(-4.0f, -1.0f);
    glVertex2f(4.0f, -1.0f);
    glVertex2f(4.0f, 4.0f);
    glVertex2f(-4.0f, 4.0f);
    glEnd();
    glBegin(GL_LINE_STRIP);  // shackle
    glVertex2f(-2.5f, -1.0f);
    glVertex2f(-2.5f, -3.5f);
    glVertex2f(-1.0f, -4.5f);
    glVertex2f(1.0f, -4.5f);
    glVertex2f(2.5f, -3.5f);
    glVertex2f(2.5f, -1.0f);
    glEnd();
}

}  // namespace

// Between the outline on the left and the marks on the right.
static constexpr float kRowInset = 3.0f;
static constexpr float kMarkColumn = 22.0f;

void LevelList::drawRowLook(int row) const
{
    // The row under the pointer is lit behind its name.
    if (row != hoverIndex) return;
    beginOverlay();
    placeAt(position.x + kRowInset, position.y + static_cast<float>(rowHeight * (row + 1)));
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glColor4f(1.0f, 1.0f, 1.0f, 0.22f);
    glBegin(GL_QUADS);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(size.x - 2.0f * kRowInset, 0.0f);
    glVertex2f(size.x - 2.0f * kRowInset, static_cast<float>(rowHeight));
    glVertex2f(0.0f, static_cast<float>(rowHeight));
    glEnd();
}

void LevelList::drawLockedShade(int row) const
{
    // A locked row is dimmed and carries a padlock, so that its cross reads
    // as "not yet" rather than "failed".
    const float top = position.y + static_cast<float>(rowHeight * (row + 1));
    beginOverlay();
    drawShadeRect(position.x + kRowInset, top, size.x - kRowInset - kMarkColumn, static_cast<float>(rowHeight), 0.45f);
    placeAt(position.x + 12.0f, top + static_cast<float>(rowHeight) * 0.5f);
    glColor3f(0.8f, 0.8f, 0.8f);
    glLineWidth(1.0f);
    drawPadlock();
    glLineWidth(2.0f);
}

void LevelList::draw(const Game& game) const
{
    if (shown) {
        beginOverlay();
        placeAt(position.x, position.y);
        glColor3f(0.0f, 0.0f, 1.0f);
        drawOutlineRect(size.x, size.y);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int row = static_cast<int>(i);
        if (shown) drawRowLook(row);
        items[i].draw();
        if (!shown) continue;
        // The author's own levels are all open and count for nothing.
        const Mark mark = authorLevels ? Mark::None : markOf(row, game.completedLevels);
        if (mark == Mark::Cross) drawLockedShade(row);
        beginOverlay();
        placeAt(position.x + size.x - 10.0f, static_cast<float>(rowHeight) * (static_cast<float>(row) + 1.5f) + position.y);
        // The item texts leave the font texture on; the marks are plain lines.
        glDisable(GL_TEXTURE_2D);
        glColor3f(1.0f, 1.0f, 1.0f);
        if (mark == Mark::Tick) drawTick();
        if (mark == Mark::Cross) drawCross();
        if (row == hoverIndex) {
            placeAt(position.x, position.y);
            glLineWidth(1.0f);
            glBegin(GL_LINES);
            glVertex2f(0.0f, static_cast<float>(rowHeight * (row + 1)));
            glVertex2f(size.x, static_cast<float>(rowHeight * (row + 1)));
            glVertex2f(0.0f, static_cast<float>(rowHeight * (row + 2)));
            glVertex2f(size.x, static_cast<float>(rowHeight * (row + 2)));
            glEnd();
            glLineWidth(2.0f);
        }
    }
}
