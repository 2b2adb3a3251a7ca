// Drawing of the editor: the world, the sliding panel with its widgets and
// labels, and the guide of the gesture in progress.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "input/input.h"
#include "editor/editor.h"
#include "level/world_marks.h"
#include "ui/overlay.h"
#include "ui/page_holder.h"
#include "ui/text.h"
#include "ui/world_draw.h"

namespace {

constexpr float kLabelSize = 10.0f;
// Half the size of the marker of a ball or exit too small to be seen.
constexpr float kMarkerHalf = 0.12f;

void cross(Vector2D at, float half)
{
    glVertex2f(at.x - half, at.y - half);
    glVertex2f(at.x + half, at.y + half);
    glVertex2f(at.x - half, at.y + half);
    glVertex2f(at.x + half, at.y - half);
}

/// Balls and an exit of (almost) no size, which older files may hold: a
/// cross where each is, so that it can be found, selected and removed.
void drawTinyPartMarkers(const Simulation& world, const WorldMarks& marks)
{
    glDisable(GL_BLEND);
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    for (std::size_t i = 0; i < world.balls.size(); ++i) {
        if (world.balls[i].radius >= kMarkerBelowRadius) continue;
        if (marks.ballSelected(i))
            glColor3f(1.0f, 1.0f, 0.0f);
        else
            glColor3f(1.0f, 0.0f, 1.0f);
        cross(world.balls[i].position, kMarkerHalf);
    }
    if (world.exitRadius < kMarkerBelowRadius) {
        glColor3f(1.0f, 0.5f, 0.0f);
        cross(world.exitPosition, kMarkerHalf);
        const Vector2D p = world.exitPosition;
        const float h = kMarkerHalf;
        for (const auto& [a, b] : {std::pair{Vector2D(-h, -h), Vector2D(h, -h)}, {Vector2D(h, -h), Vector2D(h, h)},
                                   {Vector2D(h, h), Vector2D(-h, h)}, {Vector2D(-h, h), Vector2D(-h, -h)}}) {
            glVertex2f(p.x + a.x, p.y + a.y);
            glVertex2f(p.x + b.x, p.y + b.y);
        }
    }
    glEnd();
    glLineWidth(1.0f);
}

/// The grid that Shift snaps to, faint over the whole view; whole units a
/// little less faint.
void drawSnapGrid(const View& view)
{
    const Vector2D topLeft = view.toWorld(0, 0);
    const Vector2D bottomRight = view.toWorld(view.width, view.height);
    const auto first = [](float from) { return static_cast<int>(std::floor(from / kSnapStep)); };
    const auto last = [](float to) { return static_cast<int>(std::ceil(to / kSnapStep)); };
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_LINES);
    for (int i = first(topLeft.x); i <= last(bottomRight.x); ++i) {
        glColor4f(1.0f, 1.0f, 1.0f, i % 4 == 0 ? 0.35f : 0.15f);
        glVertex2f(i * kSnapStep, bottomRight.y);
        glVertex2f(i * kSnapStep, topLeft.y);
    }
    for (int j = first(bottomRight.y); j <= last(topLeft.y); ++j) {
        glColor4f(1.0f, 1.0f, 1.0f, j % 4 == 0 ? 0.35f : 0.15f);
        glVertex2f(topLeft.x, j * kSnapStep);
        glVertex2f(bottomRight.x, j * kSnapStep);
    }
    glEnd();
}

/// A status text centred on the panel at height y, in letters small enough
/// that it stays inside the panel with a little margin.
void drawStatus(const std::string& text, float y)
{
    const float room = static_cast<float>(kPanelOpenWidth) - 4.0f;
    const float fit = text.empty() ? kLabelSize : room / static_cast<float>(text.size());
    drawTextCentered(text, kPanelOpenWidth / 2.0f, y, std::min(kLabelSize, fit));
}

}  // namespace

void SlideMenu::draw(const View& view) const
{
    drawWorld(world, triangleMappings, worldTexturesOf(game_), &marks);

    endOverlay();
    placeAt(0, 0);
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_LINE_BIT | GL_CURRENT_BIT);
    glDisable(GL_TEXTURE_2D);
    drawTinyPartMarkers(world, marks);
    if (shiftHeld) drawSnapGrid(view);
    glPopAttrib();

    beginOverlay();
    placeAt(0, 0);

    // The panel darkens while it slides in and turns cyan under the mouse.
    glLineWidth(1.0f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, panelTexture);
    glDisable(GL_BLEND);
    const float grey = 0.005f * panelWidth;
    if (mouseOverPanel)
        glColor3f(0.5f, 1.0f, 1.0f);
    else
        glColor3f(grey, grey, grey);
    const float w = static_cast<float>(panelWidth);
    const float h = static_cast<float>(panelHeight);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex2f(0, 0);
    glTexCoord2f(1, 1);
    glVertex2f(w, 0);
    glTexCoord2f(1, 0);
    glVertex2f(w, h);
    glTexCoord2f(0, 0);
    glVertex2f(0, h);
    glEnd();
    glEnable(GL_BLEND);

    for (const Button& button : buttons) button.draw(pageHolders);
    for (const Insert& insert : inserts) insert.draw(pageHolders);
    for (const Slide& slide : slides) slide.draw(pageHolders);
    for (const PageHolder& holder : pageHolders) holder.draw();

    const int page = pageHolders.empty() ? -1 : pageHolders[0].currentPage;
    if (page == kPageEdit) {
        drawTextCentered("Selected:", 100, 340, kLabelSize);
        if (tool >= 0 && tool < static_cast<int>(buttons.size()))
            drawTextCentered(buttons[tool].label, 100, 360, kLabelSize);
    } else if (page == kPageMisc) {
        // Each status sits just below the button whose result it reports.
        drawStatus(themeStatus, 460);
        drawStatus(saveStatus, 340);
        drawStatus(loadStatus, 240);
    }

    endOverlay();
    placeAt(0, 0);

    if (!buttonHeld || mouseOverPanel) return;
    if (tool == kButtonRope) {
        // The rope that the release will build.
        glDisable(GL_BLEND);
        glColor3f(0, 0, 1);
        glBegin(GL_LINES);
        glVertex2f(dragStart.x, dragStart.y);
        glVertex2f(dragCurrent.x, dragCurrent.y);
        glEnd();
    } else if (tool == kButtonSelect || tool == kButtonUnselect) {
        glColor3f(1, 1, 1);
        glBegin(GL_LINE_LOOP);
        glVertex2f(dragStart.x, dragStart.y);
        glVertex2f(dragStart.x, dragCurrent.y);
        glVertex2f(dragCurrent.x, dragCurrent.y);
        glVertex2f(dragCurrent.x, dragStart.y);
        glEnd();
    } else if (tool == kButtonMove) {
        glColor3f(1, 1, 1);
        glBegin(GL_LINES);
        glVertex2f(dragStart.x, dragStart.y);
        glVertex2f(dragCurrent.x, dragCurrent.y);
        glEnd();
    }
}
