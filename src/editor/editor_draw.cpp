// Drawing of the editor: the world, the sliding panel with its widgets and
// labels, and the guide of the gesture in progress.
#include <GL/gl.h>

#include <algorithm>

#include "app/input.h"
#include "editor/editor.h"
#include "ui/overlay.h"
#include "ui/page_holder.h"
#include "ui/text.h"
#include "ui/world_draw.h"

namespace {

constexpr float kLabelSize = 10.0f;

/// A status text centred on the panel at height y, in letters small enough
/// that it stays inside the panel with a little margin.
void drawStatus(const std::string& text, float y)
{
    const float room = static_cast<float>(kPanelOpenWidth) - 4.0f;
    const float fit = text.empty() ? kLabelSize : room / static_cast<float>(text.size());
    drawTextCentered(text, kPanelOpenWidth / 2.0f, y, std::min(kLabelSize, fit));
}

}  // namespace

void SlideMenu::draw(const WorldTextures& textures)
{
    drawWorld(world, triangleMappings, textures, &marks);

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

    for (Button& button : buttons) button.draw(pageHolders);
    for (Insert& insert : inserts) insert.draw(pageHolders);
    for (Slide& slide : slides) slide.draw(pageHolders);
    for (PageHolder& holder : pageHolders) holder.draw();

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

    if (!mouse.leftDown || mouseOverPanel) return;
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
