#include "menu/level_list.h"

#include <GL/gl.h>

#include <algorithm>

#include "input/input.h"
#include "level/game.h"
#include "ui/overlay.h"
#include "ui/star_icon.h"
#include "ui/text.h"
#include "ui/widget_input.h"

namespace {

/// Room kept free on each side of a row's name, for the marks.
constexpr float kNameMargin = 22.0f;
/// The smallest letters a row's name is drawn with, in pixels.
constexpr float kSmallestLetter = 8.0f;
// Small enough for the longest help line to fit the list's width.
constexpr float kHelpTextSize = 7.5f;
/// Letters of the stars line above the list.
constexpr float kHeadingSize = 10.0f;
/// Where a finished row's star or rope count stands, from the list's left edge.
constexpr float kResultColumn = 11.0f;

std::vector<std::string> rowNames(const LevelList& list, const Game& game)
{
    std::vector<std::string> names;
    if (list.authorLevels) {
        for (const AuthorLevel& level : list.authored)
            names.push_back(level.readable ? level.name : level.name + " (unreadable)");
        // A row that is no level and never opens: the list is not all there is.
        if (list.authoredNotListed > 0)
            names.push_back("and " + std::to_string(list.authoredNotListed) + " older not shown");
    } else {
        for (const Level& level : game.levels) names.push_back(level.name);
    }
    // A name longer than the box would be drawn across the whole window in
    // letters too small to read: it is cut to what the box holds.
    const std::size_t fits = static_cast<std::size_t>(std::max(4.0f, (list.size.x - 2.0f * kNameMargin) / kSmallestLetter));
    for (std::string& name : names) name = cutToLength(name, fits);
    return names;
}

}  // namespace

void LevelList::rescan(const std::string& folder)
{
    // No folder of the player's this run: nothing saved to show (never the
    // working folder's files instead).
    authoredNotListed = 0;
    authored = folder.empty() ? std::vector<AuthorLevel>{} : scanAuthorLevels(folder, &authoredNotListed);
    items.clear();
    built = false;
}

bool LevelList::rowOpen(int row, const Game& game) const
{
    if (!authorLevels) return row <= game.completedLevels;
    return row < static_cast<int>(authored.size()) && authored[static_cast<std::size_t>(row)].readable;
}

int LevelList::nextRow(const Game& game) const { return authorLevels ? 0 : game.completedLevels; }

void LevelList::build(const Game& game)
{
    const std::vector<std::string> names = rowNames(*this, game);
    for (std::size_t i = 0; i < names.size(); ++i) {
        items.emplace_back();
        BText& item = items.back();
        item.text = names[i];
        item.alignment = 1;
        item.maxSize = 11.0f;
        item.hide();
        // The author's list is rebuilt as its screen opens: its rows type in at once.
        if (authorLevels && shown) item.show();
    }
    built = true;
    scrollToRow(nextRow(game));
    shownCompleted_ = game.completedLevels;
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

void LevelList::update(const Input& input, const Game& game)
{
    if (!built) build(game);
    for (BText& item : items) item.update();
    if (!shown) return;

    hoverIndex = -1;
    selectedIndex = -1;
    renameIndex = -1;
    deleteIndex = -1;
    // On opening, and back from a finished level, the list shows the next
    // level to play. The author's own list stays where its reader put it.
    if (!authorLevels && shownCompleted_ != game.completedLevels) {
        scrollToRow(nextRow(game));
        shownCompleted_ = game.completedLevels;
    }
    const float x = static_cast<float>(input.mouse.x);
    const float y = static_cast<float>(input.mouse.y);
    scrollByInput(input);
    scrollByBar(input, x, y);
    if (!mouseInside(input, position, size.x, size.y) || barPressed_) return;
    const int end = std::min(static_cast<int>(items.size()), firstRow + visibleRows());
    for (int row = firstRow; row < end; ++row) {
        const int slot = row - firstRow;
        const float top = static_cast<float>(static_cast<int>(static_cast<float>(slot * rowHeight) + position.y +
                                                              static_cast<float>(rowHeight)));
        if (top > y || y > top + static_cast<float>(rowHeight)) continue;
        // The author's own rows, readable or not, are renamed with F2 and
        // deleted with Delete.
        if (authorLevels && input.keysPressed[kVkF2]) renameIndex = row;
        if (authorLevels && input.keysPressed[kVkDelete]) deleteIndex = row;
        if (rowOpen(row, game)) {
            hoverIndex = row;
            if (input.mouse.leftDown) selectedIndex = row;
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
    shownCompleted_ = -1;  // the next update brings the next level into view
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

/// The track in the list's blue, the thumb filled in white.
void drawScrollBar(const LevelList::Bar& bar)
{
    beginOverlay();
    placeAt(bar.left, bar.top);
    glDisable(GL_TEXTURE_2D);
    glColor3f(0.0f, 0.0f, 1.0f);
    drawOutlineRect(bar.width, bar.height);
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

// Between the outline on the left and the marks on the right.
static constexpr float kRowInset = 3.0f;
static constexpr float kMarkColumn = 22.0f;

void LevelList::drawRowLook(int row) const
{
    // The row under the pointer is lit behind its name.
    if (row != hoverIndex) return;
    beginOverlay();
    placeAt(position.x + kRowInset, position.y + static_cast<float>(rowHeight * (row - firstRow + 1)));
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
    const float top = position.y + static_cast<float>(rowHeight * (row - firstRow + 1));
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
    const int end = std::min(static_cast<int>(items.size()), firstRow + visibleRows());
    for (int row = firstRow; row < end; ++row) {
        const int slot = row - firstRow;
        if (shown) drawRowLook(row);
        items[static_cast<std::size_t>(row)].draw();
        if (!shown) continue;
        // The author's own levels are all open and count for nothing.
        const Mark mark = authorLevels ? Mark::None : markOf(row, game.completedLevels);
        if (mark == Mark::Cross) drawLockedShade(row);
        beginOverlay();
        placeAt(position.x + size.x - 10.0f, static_cast<float>(rowHeight) * (static_cast<float>(slot) + 1.5f) + position.y);
        // The item texts leave the font texture on; the marks are plain lines.
        glDisable(GL_TEXTURE_2D);
        glColor3f(1.0f, 1.0f, 1.0f);
        if (mark == Mark::Tick) drawTick();
        if (mark == Mark::Cross) drawCross();
        if (mark == Mark::Tick) drawRowResult(row, game);
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
    if (shown && !authorLevels) drawStarsHeading(game);
    if (!shown || !authorLevels) return;
    // What the author can do here, or how to fill the list.
    glEnable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    if (authored.empty())
        drawTextCentered("Make a level in the Editor and save it", position.x + size.x * 0.5f,
                         position.y + static_cast<float>(rowHeight) * 1.5f, kHelpTextSize);
    else
        drawTextCentered("F2 renames, Del deletes the level under the pointer", position.x + size.x * 0.5f,
                         position.y + size.y + 10.0f, kHelpTextSize);
}

void LevelList::drawRowResult(int row, const Game& game) const
{
    const std::string& name = game.levels[static_cast<std::size_t>(row)].name;
    const auto found = game.results.results.find(name);
    if (found == game.results.results.end()) return;  // finished before results were kept
    const LevelResult& result = found->second;
    const float x = position.x + kResultColumn;
    const float y = position.y + static_cast<float>(rowHeight) * (static_cast<float>(row - firstRow) + 1.5f);
    beginOverlay();
    if (starEarned(result, parOf(game.pars, name))) {
        drawStarIcon(x, y, static_cast<float>(rowHeight) * 0.5f);
    } else if (result.finishedWithoutHint()) {
        glEnable(GL_TEXTURE_2D);
        glColor3f(1.0f, 1.0f, 1.0f);
        drawTextCentered(std::to_string(result.bestRopes), x, y, kHelpTextSize);
    }
}

void LevelList::drawStarsHeading(const Game& game) const
{
    if (starsHeading.empty()) return;
    int earned = 0, there = 0;
    for (const Level& level : game.levels) {
        const std::optional<int> par = parOf(game.pars, level.name);
        if (!par) continue;
        ++there;
        const auto found = game.results.results.find(level.name);
        if (found != game.results.results.end() && starEarned(found->second, par)) ++earned;
    }
    // Just above the list's outline, under the screen's own title.
    const float y = position.y - kHeadingSize;
    const float middle = position.x + size.x * 0.5f;
    beginOverlay();
    glEnable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    const std::string line = starsHeading + " " + std::to_string(earned) + " of " + std::to_string(there);
    drawTextCentered(line, middle, y, kHeadingSize);
    const float halfWidth = static_cast<float>(line.size()) * kHeadingSize * 0.5f;
    drawStarIcon(middle - halfWidth - kHeadingSize, y, kHeadingSize * 0.6f);
}
