// Drawing of the ball mesh; the mesh itself is built with the physics.
#include <GL/gl.h>

#include "physics/ball_model.h"

namespace {

constexpr float kOverlayAlpha = 0.5f;      // the theme shows through at half strength
constexpr float kOverlayDrift = 0.02f;     // overlay shift per world unit the ball travels
constexpr float kOverlayTexScale = 0.04f;  // overlay texture units per texture unit and unit of play-area size

} // namespace

void BallModel::draw(const unsigned int* overlay, Vector2D centre, Vector2D size) const
{
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    if (texture) glBindTexture(GL_TEXTURE_2D, *texture);

    // The ball picture, in the colour the ball has set (white, or yellow when
    // selected).
    glBegin(GL_TRIANGLES);
    for (const Polygon& polygon : polygons) {
        for (int k = 0; k < 3; ++k) {
            const Vector2D& t = texCoords[polygon.texCoordIndex[k]];
            const Vector2D& v = vertices[polygon.vertexIndex[k]];
            glTexCoord2f(t.x, t.y);
            glVertex2f(v.x, v.y);
        }
    }
    glEnd();

    if (!overlay) return;

    // The theme picture laid over the ball, sliding across it as it travels.
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, *overlay);
    glColor4f(1.0f, 1.0f, 1.0f, kOverlayAlpha);
    glBegin(GL_TRIANGLES);
    for (const Polygon& polygon : polygons) {
        for (int k = 0; k < 3; ++k) {
            const Vector2D& t = texCoords[polygon.texCoordIndex[k]];
            const Vector2D& v = vertices[polygon.vertexIndex[k]];
            glTexCoord2f(kOverlayDrift * centre.x + kOverlayTexScale * t.x * size.x,
                         kOverlayDrift * centre.y + kOverlayTexScale * t.y * size.y);
            glVertex2f(v.x, v.y);
        }
    }
    glEnd();
    // Texturing and blending stay on: the next element sets what it needs.
}
