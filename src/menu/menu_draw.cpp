// Drawing of a main-menu screen: the tiled picture, the background level, the
// texts, the list and the buttons, all in the pixel overlay.
#include <GL/gl.h>

#include "menu/menu.h"
#include "ui/overlay.h"
#include "ui/world_draw.h"

void Menu::draw(const Game& game, const WorldTextures& textures) const
{
    if (!active && fade == 0.0f)
        return;

    drawPicture();
    if (active && runBackground)
        drawWorld(simulation, triangleMappings, textures);
    for (const BText& text : texts)
        text.draw();
    hint.draw();
    if (hasLevelList)
        levelList.draw(game);
    if (active) {
        // Toggles say how things stand; a slider says its value unhovered too.
        for (const Button& button : buttons) {
            Button shown = button;
            shown.label = shownLabel(button);
            shown.draw();
        }
        for (const Slider& slider : sliders) {
            Slide shown = slider.slide;
            shown.label = shownCaption(slider.slide);
            shown.hover = false;
            shown.draw();
        }
    }
}

// The picture fills the window upright, cut into tiles that each turn about
// their own top-left corner while the screen fades, so the picture seems to
// fall apart and come together. The texture stays bound afterwards: the
// background level textures its triangles with the screen's own picture.
void Menu::drawPicture() const
{
    beginOverlay();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_BLEND);
    glColor4f(color[0], color[1], color[2], fade);

    const float n = static_cast<float>(kTiles);
    const float tileWidth = static_cast<float>(drawingView().width) / n;
    const float tileHeight = static_cast<float>(drawingView().height) / n;
    const float turn = (1.0f - fade) * kTileTurn;
    for (int r = 0; r < kTiles; ++r) {
        for (int c = 0; c < kTiles; ++c) {
            placeAt(static_cast<float>(c) * tileWidth, static_cast<float>(r) * tileHeight);
            glRotatef(turn, 0.0f, 0.0f, 1.0f);
            const float left = static_cast<float>(c) / n;
            const float right = static_cast<float>(c + 1) / n;
            const float top = static_cast<float>(kTiles - r) / n;
            const float bottom = static_cast<float>(kTiles - 1 - r) / n;
            glBegin(GL_QUADS);
            glTexCoord2f(left, top);
            glVertex2f(0.0f, 0.0f);
            glTexCoord2f(right, top);
            glVertex2f(tileWidth, 0.0f);
            glTexCoord2f(right, bottom);
            glVertex2f(tileWidth, tileHeight);
            glTexCoord2f(left, bottom);
            glVertex2f(0.0f, tileHeight);
            glEnd();
        }
    }
    glDisable(GL_TEXTURE_2D);
}
