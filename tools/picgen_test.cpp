#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "image/bmp_image.h"
#include "picgen/font_sheet.h"
#include "picgen/game_pictures.h"
#include "picgen/menu_pictures.h"
#include "picgen/theme_pictures.h"

namespace {

/// A picture as the game will see it: written, then decoded by the game.
RGBImage roundTrip(const picgen::Canvas& canvas)
{
    const std::vector<std::uint8_t> bytes = canvas.bmpBytes();
    BmpDecodeResult decoded = decodeBmp(bytes);
    EXPECT_TRUE(decoded.ok()) << decoded.error;
    return decoded.image;
}

/// Grey level 0-255 of the pixel `fromTop` rows below the top of the picture.
int greyAt(const RGBImage& image, int x, int fromTop)
{
    const int row = image.height - 1 - fromTop;  // decoded rows run bottom-up
    const std::size_t at = (static_cast<std::size_t>(row) * image.width + x) * 3;
    return (image.data[at] + image.data[at + 1] + image.data[at + 2]) / 3;
}

bool isPowerOfTwo(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

class FontSheet : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        picgen::Canvas canvas(256, 512);
        std::string error;
        ASSERT_TRUE(picgen::renderFontSheet(PICGEN_FONT, canvas, error)) << error;
        sheet_ = new RGBImage(roundTrip(canvas));
    }
    static void TearDownTestSuite() { delete sheet_; }

    // Pixel (x, y) of the mask or the glyph cell of a code, from the cell's top-left.
    static int mask(int code, int x, int y)
    {
        return greyAt(*sheet_, code % 16 * 16 + x, code / 16 * 16 + y);
    }
    static int glyph(int code, int x, int y)
    {
        return greyAt(*sheet_, code % 16 * 16 + x, (16 + code / 16) * 16 + y);
    }
    static int lowestInkRow(int code)
    {
        for (int y = 15; y >= 0; --y) {
            for (int x = 0; x < 16; ++x) {
                if (glyph(code, x, y) > 128) return y;
            }
        }
        return -1;
    }

    static RGBImage* sheet_;
};

RGBImage* FontSheet::sheet_ = nullptr;

} // namespace

TEST_F(FontSheet, MasksSitAboveGlyphsInCharacterCodeOrder)
{
    ASSERT_EQ(sheet_->width, 256);
    ASSERT_EQ(sheet_->height, 512);
    // Every printable code has ink in its glyph cell and a dark mask under it.
    for (int code = 33; code <= 126; ++code) {
        EXPECT_GE(lowestInkRow(code), 0) << "no glyph for code " << code;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (glyph(code, x, y) > 128) {
                    EXPECT_LT(mask(code, x, y), 64) << "code " << code << " at " << x << "," << y;
                }
            }
        }
    }
    EXPECT_GE(lowestInkRow(0xE9), 0) << "Latin-1 e acute";
    // Letters share one baseline; descenders go below it.
    EXPECT_EQ(lowestInkRow('a'), lowestInkRow('x'));
    EXPECT_EQ(lowestInkRow('A'), lowestInkRow('a'));
    EXPECT_GT(lowestInkRow('g'), lowestInkRow('a'));
}

TEST_F(FontSheet, EmptyCellsAndCellEdgesLeaveTheFrameAlone)
{
    // Control codes and the space: a white mask (the frame is kept) and a
    // black glyph (nothing is added).
    for (int code : {0, 10, 31, 32, 127, 128, 159}) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                ASSERT_EQ(mask(code, x, y), 255) << "code " << code;
                ASSERT_EQ(glyph(code, x, y), 0) << "code " << code;
            }
        }
    }
    // The outermost ring of every cell is clean, so linear filtering at a
    // quad's edge never pulls in the neighbouring cell.
    for (int code = 0; code < 256; ++code) {
        for (int i = 0; i < 16; ++i) {
            for (auto [x, y] : {std::pair{i, 0}, std::pair{i, 15}, std::pair{0, i}, std::pair{15, i}}) {
                ASSERT_EQ(mask(code, x, y), 255) << "code " << code;
                ASSERT_EQ(glyph(code, x, y), 0) << "code " << code;
            }
        }
    }
}

TEST_F(FontSheet, TheLargeSheetHoldsTheSameLettersAtTwiceTheSize)
{
    picgen::Canvas canvas(512, 1024);
    std::string error;
    ASSERT_TRUE(picgen::renderFontSheet(PICGEN_FONT, canvas, error)) << error;
    const RGBImage large = roundTrip(canvas);
    ASSERT_EQ(large.width, 512);
    ASSERT_EQ(large.height, 1024);
    const auto largeGlyph = [&](int code, int x, int y) {
        return greyAt(large, code % 16 * 32 + x, (16 + code / 16) * 32 + y);
    };
    const auto largeMask = [&](int code, int x, int y) { return greyAt(large, code % 16 * 32 + x, code / 16 * 32 + y); };
    // Drawn over the same cell, each letter covers the same place as in the
    // everyday sheet: a text switching sheets keeps its shape and baseline.
    for (int code = 0; code < 256; ++code) {
        int small[4] = {16, 16, -1, -1}, big[4] = {32, 32, -1, -1};  // left, top, right, bottom
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (y < 16 && x < 16 && glyph(code, x, y) > 128) {
                    small[0] = std::min(small[0], x), small[1] = std::min(small[1], y);
                    small[2] = std::max(small[2], x), small[3] = std::max(small[3], y);
                }
                if (largeGlyph(code, x, y) > 128) {
                    big[0] = std::min(big[0], x), big[1] = std::min(big[1], y);
                    big[2] = std::max(big[2], x), big[3] = std::max(big[3], y);
                }
                // The outer two rings stay clean for the filter, as in the small sheet.
                if (x < 2 || y < 2 || x > 29 || y > 29) {
                    ASSERT_EQ(largeMask(code, x, y), 255) << "code " << code;
                    ASSERT_EQ(largeGlyph(code, x, y), 0) << "code " << code;
                }
            }
        }
        ASSERT_EQ(small[2] < 0, big[2] < 0) << "ink in one sheet only, code " << code;
        if (small[2] < 0) continue;
        // Compared as pixel edges: a right or bottom pixel ends one further on.
        // Hinting places a stem up to two small pixels apart at the two sizes.
        for (int side = 0; side < 4; ++side) {
            const int past = side >= 2 ? 1 : 0;
            EXPECT_NEAR((big[side] + past) / 2.0, small[side] + past, 2.0) << "code " << code << " side " << side;
        }
    }
}

TEST(FontSheetFailure, MissingFontIsReported)
{
    picgen::Canvas canvas(256, 512);
    std::string error;
    EXPECT_FALSE(picgen::renderFontSheet("/nonexistent/font.ttf", canvas, error));
    EXPECT_NE(error.find("/nonexistent/font.ttf"), std::string::npos);
}

TEST(GeneratedPictures, ThemesTileWithoutASeam)
{
    for (const picgen::ThemePicture& theme : picgen::makeThemePictures()) {
        SCOPED_TRACE(theme.name);
        const RGBImage image = roundTrip(theme.picture);
        ASSERT_EQ(image.width, 256);
        ASSERT_EQ(image.height, 256);
        // Across the wrap the picture must change no more than between
        // neighbouring columns (and rows) inside it.
        auto stepAcross = [&](int x0, int x1, bool columns) {
            double sum = 0;
            for (int i = 0; i < 256; ++i) {
                sum += std::abs(columns ? greyAt(image, x0, i) - greyAt(image, x1, i)
                                        : greyAt(image, i, x0) - greyAt(image, i, x1));
            }
            return sum / 256;
        };
        for (bool columns : {true, false}) {
            double inside = 0;
            for (int x = 0; x < 255; ++x) inside += stepAcross(x, x + 1, columns);
            inside /= 255;
            EXPECT_LT(stepAcross(255, 0, columns), 3 * inside + 2) << (columns ? "columns" : "rows");
        }
    }
}

TEST(GeneratedPictures, EveryPictureDecodesWithPowerOfTwoSides)
{
    std::vector<std::pair<std::string, picgen::Canvas>> all;
    all.emplace_back("ball", picgen::makeBallPicture());
    all.emplace_back("slidemenu", picgen::makePanelPicture());
    for (auto& theme : picgen::makeThemePictures()) all.emplace_back(theme.name, theme.picture);
    for (auto& menu : picgen::makeMenuPictures()) all.emplace_back(menu.fileName, menu.picture);
    EXPECT_GE(all.size(), 11u);
    for (const auto& [name, canvas] : all) {
        const RGBImage image = roundTrip(canvas);
        EXPECT_TRUE(isPowerOfTwo(image.width) && isPowerOfTwo(image.height)) << name;
    }
}
