#include "app/viewport.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "app/globals.h"

ClientSize recordClientSize(int width, int height)
{
    if (height == 0) height = 1;
    windowWidth = width;
    windowHeight = height;
    return {width, height};
}

void resizeViewport(int width, int height)
{
    const ClientSize size = recordClientSize(width, height);
    glViewport(0, 0, size.width, size.height);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(size.width) / static_cast<double>(size.height), 0.1, 100.0);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
