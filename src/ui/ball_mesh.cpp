// The ball mesh and its drawing.
#include "ui/ball_mesh.h"

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr float kOverlayAlpha = 0.5f;      // the theme shows through at half strength
constexpr float kOverlayDrift = 0.02f;     // overlay shift per world unit the ball travels
constexpr float kOverlayTexScale = 0.04f;  // overlay texture units per texture unit and unit of play-area size

} // namespace

const BallMesh& ballMesh()
{
    static const BallMesh mesh = [] {
        BallMesh built;
        built.build(kBallMeshSegments);
        return built;
    }();
    return mesh;
}

void BallMesh::build(int n)
{
    if (n <= 0) return;
    for (int i = 0; i < n; ++i) {
        float degrees = static_cast<float>(i) * (360.0f / static_cast<float>(n));
        double radians = static_cast<double>(degrees) * kDegreesToRadians;
        float c = static_cast<float>(std::cos(radians));
        float s = static_cast<float>(std::sin(radians));
        vertices.emplace_back(c, s);
        texCoords.emplace_back(0.5f * c + 0.5f, 0.5f * s + 0.5f);
    }
    for (int i = 1; i < n - 1; ++i) {
        Polygon& p = polygons.emplace_back();
        p.vertexIndex[0] = 0;
        p.vertexIndex[1] = i;
        p.vertexIndex[2] = i + 1;
        p.texCoordIndex[0] = 0;
        p.texCoordIndex[1] = i;
        p.texCoordIndex[2] = i + 1;
    }
}

void BallMesh::draw(unsigned int texture, const unsigned int* overlay, Vector2D centre, Vector2D size) const
{
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);

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
