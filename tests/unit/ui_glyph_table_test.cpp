#include "ui/text.h"

#include <gtest/gtest.h>

namespace {

// Each character uses mask cell c in the upper half of the picture and glyph
// cell 256 + c in the lower half, 16 codes to a row, row 0 at the top (v 1).
TEST(GlyphTable, CellsFollowCharacterCodesInBothHalvesOfThePicture)
{
    buildGlyphTable();
    EXPECT_FLOAT_EQ(glyphCoord(0).u, 0.0f);
    EXPECT_FLOAT_EQ(glyphCoord(0).v, 1.0f);

    const int a = 'A';  // row 4, column 1
    EXPECT_FLOAT_EQ(glyphCoord(a).u, 0.0625f);
    EXPECT_FLOAT_EQ(glyphCoord(a).v, 1.0f - 4 * 0.03125f);
    EXPECT_FLOAT_EQ(glyphCoord(kGlyphCellBase + a).u, 0.0625f);
    EXPECT_FLOAT_EQ(glyphCoord(kGlyphCellBase + a).v, 1.0f - 20 * 0.03125f);

    // Codes above 127 fall in rows 8-15 of the masks and 24-31 of the glyphs.
    const int e = 0xE9;
    EXPECT_FLOAT_EQ(glyphCoord(e).u, 9 * 0.0625f);
    EXPECT_FLOAT_EQ(glyphCoord(e).v, 1.0f - 14 * 0.03125f);
    EXPECT_FLOAT_EQ(glyphCoord(kGlyphCellBase + e).v, 1.0f - 30 * 0.03125f);
    EXPECT_FLOAT_EQ(glyphCoord(511).u, 15 * 0.0625f);
    EXPECT_FLOAT_EQ(glyphCoord(511).v, 1.0f - 31 * 0.03125f);

    // The last row's cells end exactly at the bottom of the picture.
    const float cellHeight = kFontCellSize * 0.00390625f * 0.5f;
    EXPECT_FLOAT_EQ(glyphCoord(511).v - cellHeight, 0.0f);
}

} // namespace

// The large font picture is used only where the picture is magnified enough,
// only when there is one, and a new window's font forgets the old large one.
TEST(FontChoice, LargeLettersOnlyWhenMagnifiedAndPresent)
{
    setFontTexture(5);
    chooseFontForScale(2.4f);
    EXPECT_EQ(fontTexture(), 5u) << "no large picture loaded";
    setLargeFontTexture(9);
    chooseFontForScale(1.0f);
    EXPECT_EQ(fontTexture(), 5u);
    chooseFontForScale(1.25f);
    EXPECT_EQ(fontTexture(), 5u) << "a slightly larger window keeps the everyday letters";
    chooseFontForScale(1.8f);
    EXPECT_EQ(fontTexture(), 9u);
    setFontTexture(6);
    chooseFontForScale(1.8f);
    EXPECT_EQ(fontTexture(), 6u) << "a stale large picture from an old window";
    setFontTexture(0);
}
