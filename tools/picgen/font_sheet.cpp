#include "font_sheet.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <vector>

namespace picgen {

namespace {

// Sizes of the picture at scale 1 (256 by 512); a larger picture of the same
// layout scales every one of them, so its letters have the same shape and
// place in their cells with more pixels in them.
constexpr int kBaseCell = 16;
constexpr int kCellsPerRow = 16;
constexpr int kGlyphRowOffset = 16;  // glyph cells start 16 cell rows down

/// One cell's geometry at a given scale.
struct CellGeometry {
    int scale;
    int cell;
    // Ink stays inside rows and columns inkMin..inkMax of a cell: one pixel (a
    // scale's worth) is left for the dark outline and one for the linear
    // filter, which samples across cell edges.
    int inkMin;
    int inkMax;
    int baseline;  // first row below the baseline, from the cell top
    // Letters are drawn into square cells, so the monospaced face is widened
    // to fill them instead of leaving wide gaps between characters.
    int pixelWidth;
    int pixelHeight;

    explicit CellGeometry(int s)
        : scale(s), cell(kBaseCell * s), inkMin(2 * s), inkMax(14 * s - 1), baseline(11 * s),
          pixelWidth(18 * s), pixelHeight(12 * s)
    {
    }
};

/// Glyph coverage of one cell, 0 to 1, row 0 at the top.
using Coverage = std::vector<float>;

bool hasGlyph(int code)
{
    return (code >= 32 && code <= 126) || (code >= 160 && code <= 255);
}

/// Renders one character so its ink fits the cell's ink box, shrinking the
/// face for the few Latin-1 capitals whose accents would not fit otherwise.
bool renderGlyph(FT_Face face, int code, const CellGeometry& g, Coverage& cov)
{
    std::fill(cov.begin(), cov.end(), 0.0f);
    const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(code));
    if (index == 0) return false;
    for (int shrink = 0; shrink < 5; ++shrink) {
        FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(g.pixelWidth - shrink * g.scale),
                           static_cast<FT_UInt>(g.pixelHeight - shrink * g.scale));
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return false;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const int w = static_cast<int>(bitmap.width), h = static_cast<int>(bitmap.rows);
        const int top = g.baseline - slot->bitmap_top;
        const int left = g.inkMin + (g.inkMax - g.inkMin + 1 - w) / 2;  // centred
        const bool fits = top >= g.inkMin && top + h - 1 <= g.inkMax && w <= g.inkMax - g.inkMin + 1;
        if (!fits && shrink < 4) continue;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int cx = left + x, cy = top + y;
                if (cx < g.inkMin || cx > g.inkMax || cy < g.inkMin || cy > g.inkMax) continue;
                cov[static_cast<std::size_t>(cy * g.cell + cx)] = bitmap.buffer[y * bitmap.pitch + x] / 255.0f;
            }
        }
        return true;
    }
    return false;
}

/// Coverage grown by one pixel.
Coverage growOnce(const Coverage& cov, int cell)
{
    Coverage out(cov.size(), 0.0f);
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            float m = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= cell || sy >= cell) continue;
                    const float weight = (dx != 0 && dy != 0) ? 0.6f : 1.0f;
                    m = std::max(m, cov[static_cast<std::size_t>(sy * cell + sx)] * weight);
                }
            }
            out[static_cast<std::size_t>(y * cell + x)] = m;
        }
    }
    return out;
}

/// The outline: coverage grown by a scale's worth of pixels, so letters keep
/// a dark rim on light backgrounds.
Coverage grow(const Coverage& cov, const CellGeometry& g)
{
    Coverage out = growOnce(cov, g.cell);
    for (int i = 1; i < g.scale; ++i) out = growOnce(out, g.cell);
    return out;
}

void paintCell(Canvas& sheet, int code, const Coverage& cov, const CellGeometry& g)
{
    const Coverage rim = grow(cov, g);
    const int column = code % kCellsPerRow;
    const int maskTop = (code / kCellsPerRow) * g.cell;
    const int glyphTop = (code / kCellsPerRow + kGlyphRowOffset) * g.cell;
    for (int y = 0; y < g.cell; ++y) {
        // Slightly warmer and darker towards the foot of the letter.
        const float down = (static_cast<float>(y) / static_cast<float>(g.scale) - 2.0f) / 11.0f;
        const Color ink = mix({1.0f, 1.0f, 1.0f}, {0.86f, 0.88f, 0.80f}, down);
        for (int x = 0; x < g.cell; ++x) {
            const int px = column * g.cell + x;
            const std::size_t at = static_cast<std::size_t>(y * g.cell + x);
            // Boosted so that wherever a letter has ink the frame is cleared
            // fully, and the letter shows in its own colour.
            const float m = clamp01(rim[at] * 1.6f);
            sheet.at(px, maskTop + y) = {1 - m, 1 - m, 1 - m};
            sheet.at(px, glyphTop + y) = scale(ink, cov[at]);
        }
    }
}

} // namespace

bool renderFontSheet(const std::string& fontPath, Canvas& sheet, std::string& error)
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        error = "cannot start FreeType";
        return false;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(library, fontPath.c_str(), 0, &face) != 0) {
        error = "cannot read the font " + fontPath;
        FT_Done_FreeType(library);
        return false;
    }

    // Empty cells: masks leave the frame alone, glyphs add nothing.
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            sheet.at(x, y) = y < sheet.height() / 2 ? Color{1, 1, 1} : Color{0, 0, 0};
        }
    }
    const CellGeometry geometry(std::max(1, sheet.width() / (kBaseCell * kCellsPerRow)));
    Coverage cov(static_cast<std::size_t>(geometry.cell * geometry.cell), 0.0f);
    for (int code = 0; code < 256; ++code) {
        if (hasGlyph(code) && renderGlyph(face, code, geometry, cov)) paintCell(sheet, code, cov, geometry);
    }

    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return true;
}

} // namespace picgen
