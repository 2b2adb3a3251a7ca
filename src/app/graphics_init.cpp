#include "app/graphics_init.h"

#include <GL/gl.h>

void initGraphics()
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
