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
        if (shown) item.show();  // a list rebuilt while open types its rows in
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

}  // namespace

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
        items[i].draw();
        if (!shown) continue;
        beginOverlay();
        placeAt(position.x + size.x - 10.0f, static_cast<float>(rowHeight) * (static_cast<float>(row) + 1.5f) + position.y);
        // The item texts leave the font texture on; the marks are plain lines.
        glDisable(GL_TEXTURE_2D);
        glColor3f(1.0f, 1.0f, 1.0f);
        const Mark mark = authorLevels ? Mark::None : markOf(row, game.completedLevels);
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
