#include "font_sheet.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <vector>

namespace picgen {

namespace {

constexpr int kCell = 16;
constexpr int kCellsPerRow = 16;
constexpr int kGlyphRowOffset = 16;  // glyph cells start 16 cell rows down

// Ink stays inside rows and columns 2..13 of a cell: one pixel is left for the
// dark outline and one for the linear filter, which samples across cell edges.
constexpr int kInkMin = 2;
constexpr int kInkMax = 13;
constexpr int kBaseline = 11;  // first row below the baseline, from the cell top

// Letters are drawn into square cells, so the monospaced face is widened to
// fill them instead of leaving wide gaps between characters.
constexpr int kPixelWidth = 18;
constexpr int kPixelHeight = 12;

/// Glyph coverage of one cell, 0 to 1, row 0 at the top.
using Coverage = std::array<float, kCell * kCell>;

bool hasGlyph(int code)
{
    return (code >= 32 && code <= 126) || (code >= 160 && code <= 255);
}

/// Renders one character so its ink fits the cell's ink box, shrinking the
/// face for the few Latin-1 capitals whose accents would not fit otherwise.
bool renderGlyph(FT_Face face, int code, Coverage& cov)
{
    cov.fill(0);
    const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(code));
    if (index == 0) return false;
    for (int shrink = 0; shrink < 5; ++shrink) {
        FT_Set_Pixel_Sizes(face, kPixelWidth - shrink, kPixelHeight - shrink);
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return false;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const int w = static_cast<int>(bitmap.width), h = static_cast<int>(bitmap.rows);
        const int top = kBaseline - slot->bitmap_top;
        const int left = kInkMin + (kInkMax - kInkMin + 1 - w) / 2;  // centred
        const bool fits = top >= kInkMin && top + h - 1 <= kInkMax && w <= kInkMax - kInkMin + 1;
        if (!fits && shrink < 4) continue;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int cx = left + x, cy = top + y;
                if (cx < kInkMin || cx > kInkMax || cy < kInkMin || cy > kInkMax) continue;
                cov[cy * kCell + cx] = bitmap.buffer[y * bitmap.pitch + x] / 255.0f;
            }
        }
        return true;
    }
    return false;
}

/// The outline: coverage grown by one pixel, so letters keep a dark rim on
/// light backgrounds.
Coverage grow(const Coverage& cov)
{
    Coverage out{};
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            float m = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= kCell || sy >= kCell) continue;
                    const float weight = (dx != 0 && dy != 0) ? 0.6f : 1.0f;
                    m = std::max(m, cov[sy * kCell + sx] * weight);
                }
            }
            out[y * kCell + x] = m;
        }
    }
    return out;
}

void paintCell(Canvas& sheet, int code, const Coverage& cov)
{
    const Coverage rim = grow(cov);
    const int column = code % kCellsPerRow;
    const int maskTop = (code / kCellsPerRow) * kCell;
    const int glyphTop = (code / kCellsPerRow + kGlyphRowOffset) * kCell;
    for (int y = 0; y < kCell; ++y) {
        // Slightly warmer and darker towards the foot of the letter.
        const Color ink = mix({1.0f, 1.0f, 1.0f}, {0.86f, 0.88f, 0.80f}, (y - kInkMin) / 11.0f);
        for (int x = 0; x < kCell; ++x) {
            const int px = column * kCell + x;
            // Boosted so that wherever a letter has ink the frame is cleared
            // fully, and the letter shows in its own colour.
            const float m = clamp01(rim[y * kCell + x] * 1.6f);
            sheet.at(px, maskTop + y) = {1 - m, 1 - m, 1 - m};
            sheet.at(px, glyphTop + y) = scale(ink, cov[y * kCell + x]);
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
            sheet.at(x, y) = y < kGlyphRowOffset * kCell ? Color{1, 1, 1} : Color{0, 0, 0};
        }
    }
    Coverage cov{};
    for (int code = 0; code < 256; ++code) {
        if (hasGlyph(code) && renderGlyph(face, code, cov)) paintCell(sheet, code, cov);
    }

    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return true;
}

} // namespace picgen
