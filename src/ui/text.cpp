#include "ui/text.h"

#include <GL/gl.h>

namespace {

std::uint32_t gFontTexture = 0;
std::uint32_t gNormalFont = 0;
std::uint32_t gLargeFont = 0;
// Halfway between the two pictures' sizes, as one sees them (sqrt 2).
constexpr float kLargeFontFromScale = 1.4f;
GlyphCoord glyphCoords[kGlyphCellCount];

constexpr int kCellsPerRow = 16;
constexpr int kCellRows = 32;
constexpr float kCellU = 1.0f / kCellsPerRow;   // 0.0625
constexpr float kCellV = 1.0f / kCellRows;      // 0.03125
// Reciprocal of the picture's width in pixels (256).
constexpr float kPictureWidthReciprocal = 0.00390625f;

// The state every glyph is drawn in: the font picture, blended, unlit.
void beginGlyphs()
{
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, gFontTexture);
}

// One pass over the text: a textured square of side size per character,
// showing cell base + code, each one size further along x. All squares go in
// one batch; a state change around every glyph made the software renderer
// validate its whole pipeline hundreds of times a frame.
void drawGlyphRow(const std::string& text, int base, float size)
{
    const float w = kFontCellSize * kPictureWidthReciprocal;
    // The picture is twice as high as it is wide, so a square cell spans
    // half as much of v as of u.
    const float h = w * 0.5f;

    glBegin(GL_QUADS);
    float x = 0.0f;
    for (unsigned char code : text) {
        const GlyphCoord& c = glyphCoords[base + code];
        glTexCoord2f(c.u, c.v);
        glVertex2f(x, 0.0f);
        glTexCoord2f(c.u + w, c.v);
        glVertex2f(x + size, 0.0f);
        glTexCoord2f(c.u + w, c.v - h);
        glVertex2f(x + size, size);
        glTexCoord2f(c.u, c.v - h);
        glVertex2f(x, size);
        x += size;
    }
    glEnd();
}

// Mask pass then glyph pass from the current position; both start at the same
// place, and the origin is left advanced past the text (one step per
// character, as the characters advance). Texturing is left off and blending on.
void drawBothPasses(const std::string& text, float size)
{
    beginGlyphs();
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    glColor3f(1.0f, 1.0f, 1.0f);
    drawGlyphRow(text, 0, size);

    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    drawGlyphRow(text, kGlyphCellBase, size);
    for (std::size_t i = 0; i < text.size(); ++i) glTranslatef(size, 0.0f, 0.0f);
    glDisable(GL_TEXTURE_2D);
}

} // namespace

void setFontTexture(std::uint32_t texture)
{
    gFontTexture = texture;
    gNormalFont = texture;
    gLargeFont = 0;
}

void setLargeFontTexture(std::uint32_t texture)
{
    gLargeFont = texture;
}

void chooseFontForScale(float scale)
{
    gFontTexture = (scale >= kLargeFontFromScale && gLargeFont != 0) ? gLargeFont : gNormalFont;
}

std::uint32_t fontTexture()
{
    return gFontTexture;
}

const GlyphCoord& glyphCoord(int cell)
{
    return glyphCoords[cell];
}

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

std::string cutToLength(const std::string& text, std::size_t length)
{
    if (text.size() <= length) return text;
    if (length < 3) return text.substr(0, length);
    return text.substr(0, length - 2) + "..";
}

std::string verdictWithName(const std::string& verdict, const std::string& name, std::size_t length)
{
    if (verdict.size() + name.size() <= length) return verdict + name;
    // Three characters are the least that say a name was there.
    if (verdict.size() + 3 > length) return cutToLength(verdict, length);
    return verdict + cutToLength(name, length - verdict.size());
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
