#include "ui/text.h"

#include <GL/gl.h>

BitmapFont font;
GlyphCoord glyphCoords[kGlyphCellCount];

namespace {

constexpr int kCellsPerRow = 16;
constexpr int kCellRows = 32;
constexpr float kCellU = 1.0f / kCellsPerRow;   // 0.0625
constexpr float kCellV = 1.0f / kCellRows;      // 0.03125
// Reciprocal of the picture's width in pixels (256).
constexpr float kPictureWidthReciprocal = 0.00390625f;

// One textured square of side size at the current origin, showing cell k.
void drawGlyphQuad(int cell, float size)
{
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);

    const float w = font.cellSize * kPictureWidthReciprocal;
    // The picture is twice as high as it is wide, so a square cell spans
    // half as much of v as of u.
    const float h = w * 0.5f;
    const GlyphCoord& c = glyphCoords[cell];

    glBindTexture(GL_TEXTURE_2D, font.texture);
    glBegin(GL_QUADS);
    glTexCoord2f(c.u, c.v);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2f(c.u + w, c.v);
    glVertex2f(size, 0.0f);
    glTexCoord2f(c.u + w, c.v - h);
    glVertex2f(size, size);
    glTexCoord2f(c.u, c.v - h);
    glVertex2f(0.0f, size);
    glEnd();

    glDisable(GL_TEXTURE_2D);
}

// Mask pass then glyph pass from the current position. The mask pass is
// wrapped in a push and pop so the glyph pass starts at the same place; the
// glyph pass leaves the origin advanced past the text.
void drawBothPasses(const std::string& text, float size)
{
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    glPushMatrix();
    glColor3f(1.0f, 1.0f, 1.0f);
    for (unsigned char c : text) {
        drawGlyphQuad(c, size);
        glTranslatef(size, 0.0f, 0.0f);
    }
    glPopMatrix();

    glColor3f(1.0f, 1.0f, 1.0f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    for (unsigned char c : text) {
        drawGlyphQuad(kGlyphCellBase + c, size);
        glTranslatef(size, 0.0f, 0.0f);
    }
}

} // namespace

void buildGlyphTable()
{
    for (int row = 0; row < kCellRows; ++row) {
        for (int column = 0; column < kCellsPerRow; ++column) {
            GlyphCoord& c = glyphCoords[row * kCellsPerRow + column];
            c.u = column * kCellU;
            // Texture v grows upwards; row 0 is the top of the picture.
            c.v = 1.0f - row * kCellV;
        }
    }
}

bool drawText(std::string text, float size)
{
    if (text.empty()) return false;
    drawBothPasses(text, size);
    return true;
}

bool drawTextCentered(std::string text, float x, float y, float size)
{
    if (text.empty()) return false;
    const float length = static_cast<float>(text.size());
    glLoadIdentity();
    glTranslatef(x - length * size * 0.5f, y - size * 0.5f, 0.0f);
    drawBothPasses(text, size);
    return true;
}
