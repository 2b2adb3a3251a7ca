#include "ui/star_icon.h"

#include <GL/gl.h>

#include <cmath>

#include "ui/overlay.h"

namespace {

/// The ten corners, outer and inner by turns, from the top point round.
void starCorners(float radius)
{
    for (int k = 0; k < 10; ++k) {
        const float angle = 3.14159265f * (0.5f + 0.2f * static_cast<float>(k));
        const float r = k % 2 == 0 ? radius : radius * 0.45f;
        glVertex2f(r * std::cos(angle), -r * std::sin(angle));
    }
}

}  // namespace

void drawStarIcon(float x, float y, float radius)
{
    if (glIsEnabled(GL_TEXTURE_2D)) glDisable(GL_TEXTURE_2D);
    if (glIsEnabled(GL_BLEND)) glDisable(GL_BLEND);  // gold on any picture, not added to it
    placeAt(x, y);
    glColor3f(1.0f, 0.82f, 0.15f);
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(0.0f, 0.0f);
    starCorners(radius);
    glVertex2f(0.0f, -radius);  // the top point again closes the fan
    glEnd();
    glColor3f(0.35f, 0.2f, 0.0f);
    glLineWidth(1.0f);
    glBegin(GL_LINE_LOOP);
    starCorners(radius);
    glEnd();
    glLineWidth(2.0f);
}
