#include "ui/overlay.h"

#include <GL/gl.h>


namespace {

bool overlayMode = false;
View gView;

// The pixel projection reaches this far in depth; overlay drawing uses z 0.
constexpr double kOverlayFar = 100.0;

} // namespace

void useView(const View& view)
{
    gView = view;
}

const View& drawingView()
{
    return gView;
}

bool inOverlay()
{
    return overlayMode;
}

void beginOverlay()
{
    if (overlayMode) return;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // Bottom is the window height and top 0, so y grows downwards like the
    // mouse's pixel position.
    glOrtho(0.0, gView.width, gView.height, 0.0, 0.0, kOverlayFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    overlayMode = true;
}

void endOverlay()
{
    if (!overlayMode) return;
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    overlayMode = false;
}

void placeAt(float x, float y)
{
    glLoadIdentity();
    if (overlayMode) {
        glTranslatef(x, y, 0.0f);
    } else {
        // Zoomed out, the world is seen from that much farther away.
        glTranslatef(x - gView.cameraOffset.x, y - gView.cameraOffset.y, kCameraDepth * gView.zoomOut);
    }
}

void drawOutlineRect(float width, float height)
{
    glBegin(GL_LINE_LOOP);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(width, 0.0f);
    glVertex2f(width, height);
    glVertex2f(0.0f, height);
    glEnd();
}

void drawShadeRect(float x, float y, float width, float height, float shade)
{
    placeAt(x, y);
    if (!glIsEnabled(GL_BLEND)) glEnable(GL_BLEND);
    if (glIsEnabled(GL_TEXTURE_2D)) glDisable(GL_TEXTURE_2D);
    // Destination colour / zero: the frame is multiplied by the drawn grey.
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    glColor3f(shade, shade, shade);
    glBegin(GL_QUADS);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(width, 0.0f);
    glVertex2f(width, height);
    glVertex2f(0.0f, height);
    glEnd();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}
