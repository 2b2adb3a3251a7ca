// Drawing of the play mode: the world, the rope being dragged, the fade and
// the side panel, in that order.
#include <GL/gl.h>

#include "play/play_mode.h"
#include "ui/overlay.h"
#include "ui/world_draw.h"

/// Darkening of the panel area before its picture is added on top.
static constexpr float kPanelShade = 0.2f;
void PlayMenu::drawDragLine() const
{
    if (glIsEnabled(GL_TEXTURE_2D)) glDisable(GL_TEXTURE_2D);
    if (glIsEnabled(GL_BLEND)) glDisable(GL_BLEND);
    placeAt(0.0f, 0.0f);
    glColor3f(0.0f, 0.0f, 1.0f);
    glLineWidth(1.0f);
    glBegin(GL_LINES);
    glVertex2f(dragStart.x, dragStart.y);
    glVertex2f(dragEnd.x, dragEnd.y);
    glEnd();
    glLineWidth(2.0f);
}

void PlayMenu::drawPanel() const
{
    if (!glIsEnabled(GL_BLEND)) glEnable(GL_BLEND);
    drawShadeRect(panelPosition.x, panelPosition.y, panelSize.x, panelSize.y, kPanelShade);

    // The blend function left by the shade (source alpha / one) adds the
    // green-tinted picture onto the darkened panel.
    placeAt(panelPosition.x, panelPosition.y);
    glColor3f(0.0f, 1.0f, 0.0f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, panelTexture);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(panelSize.x, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(panelSize.x, panelSize.y);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(0.0f, panelSize.y);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

Vector2D PlayMenu::viewCamera() const
{
    return viewPending ? startCamera : view_.cameraOffset;
}

void PlayMenu::draw(const View& view) const
{
    drawWorld(world, triangleMappings, worldTexturesOf(game_), &marks, WorldBlend{&previousPose, view.blend});
    if (dragging) drawDragLine();
    if (fade == 0.0f) goals.drawHints(world, view);

    beginOverlay();
    placeAt(0.0f, 0.0f);
    if (fade > 0.0f) drawShadeRect(0.0f, 0.0f, 800.0f, 600.0f, 1.0f - fade);
    drawPanel();

    for (const Button& button : buttons) button.draw();
    for (const Slide& slide : slides) slide.draw();
    goals.drawPanel();
    if (fade == 1.0f) {
        for (const BText& text : descriptionTexts) text.draw();
        goals.drawResult();
        returnButton.draw();
    }
    drawGuide(view);
}
