#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/bmp_image.h"
#include "unit/bmp_test_writer.h"

using namespace bmptest;

namespace {

BmpDecodeResult decode(const std::vector<std::uint8_t>& bytes)
{
    // A buffer of exactly the file's size, so a sanitizer build catches any
    // read past the end.
    std::vector<std::uint8_t> exact(bytes.begin(), bytes.end());
    exact.shrink_to_fit();
    return decodeBmp(exact);
}

std::string describe(const Format& f)
{
    return "header " + std::to_string(f.headerSize) + ", " + std::to_string(f.bits) +
           " bits, compression " + std::to_string(static_cast<int>(f.compression)) +
           (f.fileHeader ? ", BM" : ", packed") + ", colours used " + std::to_string(f.colorsUsed);
}

void expectSamePicture(const Picture& picture, const Format& format)
{
    SCOPED_TRACE(describe(format));
    const BmpDecodeResult result = decode(writeBmp(picture, format));
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.image.width, picture.width);
    EXPECT_EQ(result.image.height, picture.height);
    EXPECT_EQ(result.image.data, expectedRgb(picture));
}

Format info(int bits, Compression c = Compression::None, std::uint32_t colorsUsed = 0)
{
    Format f;
    f.bits = bits;
    f.compression = c;
    f.colorsUsed = colorsUsed;
    return f;
}

Format core(int bits)
{
    Format f;
    f.headerSize = 12;
    f.bits = bits;
    return f;
}

/// A valid 40-byte-header file whose fields the hostile tests then corrupt.
std::vector<std::uint8_t> validFile(const Format& f = info(24))
{
    return writeBmp(fourColourPicture(), f);
}

// Offsets of fields in a file that starts with "BM".
constexpr std::size_t kHeaderSizeAt = 14;
constexpr std::size_t kWidthAt = 18;
constexpr std::size_t kHeightAt = 22;
constexpr std::size_t kBitsAt = 28;
constexpr std::size_t kCompressionAt = 30;
constexpr std::size_t kColorsUsedAt = 46;

std::string errorOf(const std::vector<std::uint8_t>& bytes)
{
    return decode(bytes).error;
}

} // namespace

TEST(BmpDecoding, EveryStoredFormatGivesTheSamePicture)
{
    const Picture four = fourColourPicture();
    for (bool fileHeader : {true, false}) {
        std::vector<Format> formats = {
            info(4), info(4, Compression::None, 4), info(8), info(8, Compression::None, 4),
            info(8, Compression::None, 16), info(16), info(24), info(32),
            info(8, Compression::Rle8), info(8, Compression::Rle8, 4),
            info(4, Compression::Rle4), info(4, Compression::Rle4, 4),
            core(4), core(8), core(24)};
        Format runsOnly = info(8, Compression::Rle8);
        runsOnly.absoluteRuns = false;
        formats.push_back(runsOnly);
        for (Format f : formats) {
            f.fileHeader = fileHeader;
            expectSamePicture(four, f);
        }
        const Picture two = twoColourPicture();
        for (Format f : {info(1), info(1, Compression::None, 2), core(1), info(4), info(24),
                         info(4, Compression::Rle4), info(8, Compression::Rle8)}) {
            f.fileHeader = fileHeader;
            expectSamePicture(two, f);
        }
    }
}

TEST(BmpDecoding, ColoursUsedDecidesWherePackedPixelsStart)
{
    // In a packed image the pixels follow the table directly, so reading the
    // wrong table length shifts every pixel. Index 3 sits at colour 3 only if
    // the 16-entry table (not the 256 of the bit count) was skipped.
    Format f = info(8, Compression::None, 16);
    f.fileHeader = false;
    const std::vector<std::uint8_t> bytes = writeBmp(fourColourPicture(), f);
    EXPECT_EQ(bytes.size(), 40u + 16 * 4 + 3 * 8);
    EXPECT_EQ(decode(bytes).image.data, expectedRgb(fourColourPicture()));

    // An index beyond the table the header declares is refused, not read past it.
    Picture p = fourColourPicture();
    p.indices[7] = 20;
    p.palette.resize(21, Rgb{9, 9, 9});
    EXPECT_EQ(decode(writeBmp(p, f)).error, kBmpConversionError);
    f.colorsUsed = 0;
    EXPECT_TRUE(decode(writeBmp(p, f)).ok()) << "the default 256-entry table holds index 20";
}

TEST(BmpDecoding, OnlyTwelveAndFortyByteHeadersAreKnown)
{
    for (std::uint32_t size : {108u, 124u, 64u, 0u, 13u, 0xFFFFFFFFu}) {
        Format f = info(24);
        if (size >= 40 && size < 1000) f.headerSize = size;  // a real, longer header
        std::vector<std::uint8_t> bytes = writeBmp(fourColourPicture(), f);
        setU32(bytes, kHeaderSizeAt, size);
        EXPECT_EQ(errorOf(bytes), kBmpUnknownFormat) << "header size " << size;
        bytes.erase(bytes.begin(), bytes.begin() + 14);  // the same as a packed image
        EXPECT_EQ(errorOf(bytes), kBmpUnknownFormat) << "packed, header size " << size;
    }
}

TEST(BmpDecoding, UnsupportedShapesAndLayoutsAreConversionErrors)
{
    auto withU32 = [](std::size_t at, std::uint32_t value, Format f = info(24)) {
        std::vector<std::uint8_t> bytes = validFile(f);
        setU32(bytes, at, value);
        return bytes;
    };
    EXPECT_EQ(errorOf(withU32(kWidthAt, 0)), kBmpConversionError) << "width 0";
    EXPECT_EQ(errorOf(withU32(kHeightAt, 0)), kBmpConversionError) << "height 0";
    EXPECT_EQ(errorOf(withU32(kWidthAt, static_cast<std::uint32_t>(-5))), kBmpConversionError)
        << "negative width";
    EXPECT_EQ(errorOf(withU32(kHeightAt, static_cast<std::uint32_t>(-3))), kBmpConversionError)
        << "top-down";
    EXPECT_EQ(errorOf(withU32(kWidthAt, 8193)), kBmpConversionError) << "too wide";
    EXPECT_EQ(errorOf(withU32(kHeightAt, 8193)), kBmpConversionError) << "too high";
    EXPECT_EQ(errorOf(withU32(kCompressionAt, 3, info(16))), kBmpConversionError) << "bit fields";
    EXPECT_EQ(errorOf(withU32(kCompressionAt, 4)), kBmpConversionError) << "JPEG";
    EXPECT_EQ(errorOf(withU32(kCompressionAt, 1, info(4))), kBmpConversionError) << "RLE8 at 4 bits";
    EXPECT_EQ(errorOf(withU32(kCompressionAt, 2, info(8))), kBmpConversionError) << "RLE4 at 8 bits";

    std::vector<std::uint8_t> twoBits = validFile(info(8));
    twoBits[kBitsAt] = 2;
    EXPECT_EQ(errorOf(twoBits), kBmpConversionError) << "2 bits per pixel";

    // The largest accepted side still decodes.
    Picture wide;
    wide.width = kMaxBmpSide;
    wide.height = 1;
    wide.palette = {{1, 2, 3}, {4, 5, 6}};
    wide.indices.assign(kMaxBmpSide, 1);
    EXPECT_TRUE(decode(writeBmp(wide, info(1))).ok());
}

TEST(BmpDecoding, TruncatedFilesAreRefusedWithoutReadingPastTheEnd)
{
    const Picture picture = fourColourPicture();
    for (Format f : {info(24), info(8), info(4, Compression::Rle4), info(8, Compression::Rle8),
                     core(8), info(1)}) {
        for (bool fileHeader : {true, false}) {
            f.fileHeader = fileHeader;
            SCOPED_TRACE(describe(f));
            const std::vector<std::uint8_t> whole = writeBmp(f.bits == 1 ? twoColourPicture()
                                                                         : picture, f);
            // Uncompressed rows may lose the last row's padding and still be whole.
            const std::size_t lastPadding =
                f.compression != Compression::None ? 0
                : f.bits == 24 ? 1 : f.bits == 8 ? 3 : f.bits == 1 ? 2 : 0;
            for (std::size_t n = 0; n < whole.size(); ++n) {
                std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + n);
                const BmpDecodeResult result = decode(cut);
                if (n + lastPadding >= whole.size()) {
                    EXPECT_TRUE(result.ok()) << "cut to " << n;
                } else {
                    EXPECT_FALSE(result.ok()) << "cut to " << n;
                }
            }
        }
    }
}

TEST(BmpDecoding, HostileHeaderFieldsAreRefused)
{
    // A colour table far larger than the file, whose byte size would wrap in 32 bits.
    std::vector<std::uint8_t> bytes = validFile(info(8));
    setU32(bytes, kColorsUsedAt, 0x40000001u);
    EXPECT_EQ(errorOf(bytes), kBmpConversionError);

    // A pixel offset beyond the file, and one leaving too few bytes for the rows.
    bytes = validFile();
    setU32(bytes, 10, 0xFFFFFFF0u);
    EXPECT_EQ(errorOf(bytes), kBmpConversionError);
    bytes = validFile();
    setU32(bytes, 10, static_cast<std::uint32_t>(bytes.size() - 4));
    EXPECT_EQ(errorOf(bytes), kBmpConversionError);

    // The largest picture the sides allow, with almost no pixel data behind it.
    bytes = validFile(info(32));
    setU32(bytes, kWidthAt, kMaxBmpSide);
    setU32(bytes, kHeightAt, kMaxBmpSide);
    EXPECT_EQ(errorOf(bytes), kBmpConversionError);

    // Too short to hold even the header size, with and without "BM".
    EXPECT_EQ(errorOf({}), kBmpConversionError);
    EXPECT_EQ(errorOf({'B', 'M', 0, 0}), kBmpConversionError);
    EXPECT_EQ(errorOf({40, 0}), kBmpConversionError);
    // A header size field but a header cut short.
    EXPECT_EQ(errorOf({40, 0, 0, 0, 5, 0}), kBmpConversionError);
}

TEST(BmpDecoding, RunLengthDeltasEarlyEndAndOverlongRunsStayInsideThePicture)
{
    Picture p;
    p.width = 4;
    p.height = 3;
    p.palette = {{0, 0, 0}, {10, 20, 30}, {40, 50, 60}};
    p.indices.assign(12, 0);
    Format f = info(8, Compression::Rle8, 3);
    // Keep the headers and the 3-entry table, then write the stream by hand.
    const std::size_t pixelStart = 14 + 40 + 3 * 4;
    std::vector<std::uint8_t> bytes = writeBmp(p, f);
    bytes.resize(pixelStart);
    const std::vector<std::uint8_t> stream = {
        9, 1,           // a run of 9 on a row of 4: clipped at the right edge
        0, 0,           // end of row
        0, 2, 2, 1,     // move 2 right and 1 up: row 1's pixels are skipped
        1, 2,           // one pixel of colour 2 at (2, 2)
        0, 1,           // end of picture; what follows is never read
        0xFF, 0xFF};
    bytes.insert(bytes.end(), stream.begin(), stream.end());
    setU32(bytes, 34, 0);  // no stated size: the stream runs to the end of the file
    const BmpDecodeResult result = decode(bytes);
    ASSERT_TRUE(result.ok()) << result.error;
    const std::vector<std::uint8_t> expected = {
        10, 20, 30, 10, 20, 30, 10, 20, 30, 10, 20, 30,  // row 0
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,              // row 1: skipped, stays black
        0, 0, 0, 0, 0, 0, 40, 50, 60, 0, 0, 0};          // row 2
    EXPECT_EQ(result.image.data, expected);

    // A stream that stops before its rows are done, or mid-command, is refused.
    for (std::vector<std::uint8_t> bad : {std::vector<std::uint8_t>{2, 1, 0, 0},
                                          std::vector<std::uint8_t>{0, 5, 1, 1},
                                          std::vector<std::uint8_t>{0, 2, 1},
                                          std::vector<std::uint8_t>{4, 7, 0, 1}}) {
        std::vector<std::uint8_t> file(bytes.begin(), bytes.begin() + pixelStart);
        file.insert(file.end(), bad.begin(), bad.end());
        EXPECT_EQ(errorOf(file), kBmpConversionError);
    }
}
