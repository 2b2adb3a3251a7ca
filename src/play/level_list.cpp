#include "play/level_list.h"

#include <GL/gl.h>

#include <algorithm>

#include "app/input.h"
#include "level/game.h"
#include "ui/overlay.h"

void LevelList::build()
{
    for (std::size_t i = 0; i < game.levels.size(); ++i) {
        items.emplace_back();
        BText& item = items.back();
        item.text = game.levels[i].name;
        item.alignment = 1;
        item.maxSize = 11.0f;
        item.hide();
    }
    built = true;
    scrollToRow(game.completedLevels);
    // The rows type themselves in from the top of the view down.
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i].delay = 30 + 4 * std::max(0, static_cast<int>(i) - firstRow);
    placeItems();
}

void LevelList::placeItems()
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int slot = static_cast<int>(i) - firstRow;
        items[i].position = Vector2D(position.x + size.x * 0.5f,
                                     position.y + static_cast<float>(rowHeight * (slot + 1) + rowHeight / 2));
    }
}

void LevelList::update()
{
    if (!built) build();
    for (BText& item : items) item.update();
    if (!shown) return;

    hoverIndex = -1;
    selectedIndex = -1;
    // Back from a finished level, the list shows the one it opened.
    if (shownCompleted_ != game.completedLevels) scrollToRow(game.completedLevels);
    const float x = static_cast<float>(mouse.x);
    const float y = static_cast<float>(mouse.y);
    scrollByInput();
    scrollByBar(x, y);
    const bool inside = position.x <= x && x <= position.x + size.x && position.y <= y && y <= position.y + size.y;
    if (!inside || barPressed_) return;
    const int end = std::min(static_cast<int>(items.size()), firstRow + visibleRows());
    for (int row = firstRow; row < end; ++row) {
        const int slot = row - firstRow;
        const float top = static_cast<float>(static_cast<int>(static_cast<float>(slot * rowHeight) + position.y +
                                                              static_cast<float>(rowHeight)));
        if (top <= y && y <= top + static_cast<float>(rowHeight) && row <= game.completedLevels) {
            hoverIndex = row;
            if (mouse.leftDown) selectedIndex = row;
        }
    }
}

LevelList::Mark LevelList::markOf(int row)
{
    if (row < game.completedLevels) return Mark::Tick;
    if (row > game.completedLevels) return Mark::Cross;
    return Mark::None;
}

void LevelList::show()
{
    for (BText& item : items) item.show();
    shown = true;
    if (built) scrollToRow(game.completedLevels);
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

/// The track in the list's blue, the thumb filled in white.
void drawScrollBar(const LevelList::Bar& bar)
{
    beginOverlay();
    placeAt(bar.left, bar.top);
    glDisable(GL_TEXTURE_2D);
    glColor3f(0.0f, 0.0f, 1.0f);
    glBegin(GL_LINE_LOOP);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(bar.width, 0.0f);
    glVertex2f(bar.width, bar.height);
    glVertex2f(0.0f, bar.height);
    glEnd();
    glColor3f(1.0f, 1.0f, 1.0f);
    const float top = bar.thumbTop - bar.top;
    glBegin(GL_QUADS);
    glVertex2f(2.0f, top + 2.0f);
    glVertex2f(bar.width - 2.0f, top + 2.0f);
    glVertex2f(bar.width - 2.0f, top + bar.thumbHeight - 2.0f);
    glVertex2f(2.0f, top + bar.thumbHeight - 2.0f);
    glEnd();
}

}  // namespace

void LevelList::draw() const
{
    if (shown) {
        beginOverlay();
        placeAt(position.x, position.y);
        glColor3f(0.0f, 0.0f, 1.0f);
        glBegin(GL_LINE_LOOP);
        glVertex2f(0.0f, 0.0f);
        glVertex2f(size.x, 0.0f);
        glVertex2f(size.x, size.y);
        glVertex2f(0.0f, size.y);
        glEnd();
    }
    const int end = std::min(static_cast<int>(items.size()), firstRow + visibleRows());
    for (int row = firstRow; row < end; ++row) {
        const int slot = row - firstRow;
        items[static_cast<std::size_t>(row)].draw();
        if (!shown) continue;
        beginOverlay();
        placeAt(position.x + size.x - 10.0f, static_cast<float>(rowHeight) * (static_cast<float>(slot) + 1.5f) + position.y);
        // The item texts leave the font texture on; the marks are plain lines.
        glDisable(GL_TEXTURE_2D);
        glColor3f(1.0f, 1.0f, 1.0f);
        if (markOf(row) == Mark::Tick) drawTick();
        if (markOf(row) == Mark::Cross) drawCross();
        if (row == hoverIndex) {
            placeAt(position.x, position.y);
            glLineWidth(1.0f);
            glBegin(GL_LINES);
            glVertex2f(0.0f, static_cast<float>(rowHeight * (slot + 1)));
            glVertex2f(size.x, static_cast<float>(rowHeight * (slot + 1)));
            glVertex2f(0.0f, static_cast<float>(rowHeight * (slot + 2)));
            glVertex2f(size.x, static_cast<float>(rowHeight * (slot + 2)));
            glEnd();
            glLineWidth(2.0f);
        }
    }
    if (shown && scrolls()) drawScrollBar(scrollBar());
}
