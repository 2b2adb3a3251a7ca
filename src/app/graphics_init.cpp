#include "app/graphics_init.h"

#include <GL/gl.h>

#include "app/texture.h"
#include "editor/slide_menu.h"
#include "level/game.h"
#include "level/list_file.h"
#include "menu/menu_setup.h"
#include "physics/ball_model.h"
#include "play/play_menu.h"
#include "ui/text.h"

namespace {

void setFixedState()
{
    glShadeModel(GL_SMOOTH);
    glClearColor(0.5f, 0.5f, 1.0f, 0.5f);
    glClearDepth(1.0);
    glDisable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    // Additive blending; the drawing code switches blending on where it wants it.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}

void loadShellTextures()
{
    // Each through loadTexture, in this order.
    editor.setPanelTexture("slidemenu.bmp");
    playMenu.panelTexture = loadTexture("ball.bmp");
    ballTexture = loadTexture("ball.bmp");  // a separate texture for the balls
    // Every main-menu screen's picture; at the very first window there are
    // no screens yet.
    loadMenuPictures();
    font.cellSize = 16;
    font.texture = loadTexture("label.bmp");
    // The themes' pictures too: after a full-screen toggle their old names
    // would show nothing, or some other picture of the new context.
    reloadThemePictures(game, [](const std::string& path) { return static_cast<unsigned int>(loadTexture(path)); });
}

} // namespace

bool initGraphics()
{
    setFixedState();
    loadShellTextures();
    return true;
}
