#include "image/bmp_image.h"

#include <algorithm>
#include <array>
#include <new>

// Every picture the game shows comes through here, including theme and menu
// pictures that players may drop in themselves, so the decoder trusts nothing
// in the file: each header field is checked against the bytes actually there
// before it is used, and all size arithmetic is done in 64 bits on sides that
// are already limited to kMaxBmpSide.

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::size_t kPixelOffsetField = 10;

// Compression codes of the 40-byte header.
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionRle8 = 1;
constexpr std::uint32_t kCompressionRle4 = 2;

// Only the first 256 colour-table entries can ever be addressed by a pixel.
constexpr std::uint64_t kMaxAddressableColors = 256;

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
};

/// The fields of either header kind, widened to one shape.
struct DibHeader {
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kCompressionNone;
    std::uint32_t sizeImage = 0;
    std::uint64_t colorCount = 0;       // colour-table entries stored in the file
    std::uint64_t colorEntrySize = 4;   // 3 for the core header, 4 otherwise
};

using Bytes = std::span<const std::uint8_t>;

std::uint16_t readU16(Bytes b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t readU32(Bytes b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

/// Colour-table length implied by a bit count alone.
std::uint64_t defaultColorCount(std::uint32_t bitCount)
{
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

DibHeader readCoreHeader(Bytes b, std::size_t at)
{
    DibHeader h;
    h.width = readU16(b, at + 4);
    h.height = readU16(b, at + 6);
    h.bitCount = readU16(b, at + 10);
    h.colorCount = defaultColorCount(h.bitCount);
    h.colorEntrySize = 3;
    return h;
}

DibHeader readInfoHeader(Bytes b, std::size_t at)
{
    DibHeader h;
    h.width = static_cast<std::int32_t>(readU32(b, at + 4));
    h.height = static_cast<std::int32_t>(readU32(b, at + 8));
    h.bitCount = readU16(b, at + 14);
    h.compression = readU32(b, at + 16);
    h.sizeImage = readU32(b, at + 20);
    const std::uint32_t colorsUsed = readU32(b, at + 32);
    h.colorCount = colorsUsed != 0 ? colorsUsed : defaultColorCount(h.bitCount);
    h.colorEntrySize = 4;
    return h;
}

/// Only bottom-up pictures with sane sides and a known pixel layout pass.
bool isSupported(const DibHeader& h)
{
    if (h.width < 1 || h.width > kMaxBmpSide) return false;
    if (h.height < 1 || h.height > kMaxBmpSide) return false;  // negative = top-down
    switch (h.compression) {
    case kCompressionNone:
        return h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16 ||
               h.bitCount == 24 || h.bitCount == 32;
    case kCompressionRle8: return h.bitCount == 8;
    case kCompressionRle4: return h.bitCount == 4;
    default: return false;  // bit fields, JPEG, PNG and anything unknown
    }
}

/// Writes pixels into the packed RGB result, remembering the colour table.
class PixelSink {
public:
    PixelSink(RGBImage& image, std::vector<Color> palette)
        : image_(image), palette_(std::move(palette)) {}

    void put(std::int64_t x, std::int64_t y, Color c)
    {
        const std::size_t at = (static_cast<std::size_t>(y) * image_.width + x) * 3;
        image_.data[at] = c.r;
        image_.data[at + 1] = c.g;
        image_.data[at + 2] = c.b;
    }

    bool hasColor(unsigned index) const { return index < palette_.size(); }

    /// False when the index lies beyond the colour table.
    bool putIndex(std::int64_t x, std::int64_t y, unsigned index)
    {
        if (!hasColor(index)) return false;
        put(x, y, palette_[index]);
        return true;
    }

    std::int64_t width() const { return image_.width; }
    std::int64_t height() const { return image_.height; }

private:
    RGBImage& image_;
    std::vector<Color> palette_;
};

std::uint8_t expandFiveBits(unsigned v)
{
    return static_cast<std::uint8_t>((v << 3) | (v >> 2));
}

/// Uncompressed rows, each padded to a multiple of four bytes in the file.
bool decodeUncompressed(Bytes pixels, std::uint32_t bitCount, PixelSink& sink)
{
    const std::uint64_t rowBits = static_cast<std::uint64_t>(sink.width()) * bitCount;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    const std::uint64_t lastRowBytes = (rowBits + 7) / 8;
    // The last row may come without its padding; nothing in it is read anyway.
    if (stride * (sink.height() - 1) + lastRowBytes > pixels.size()) return false;

    for (std::int64_t y = 0; y < sink.height(); ++y) {
        const std::size_t row = static_cast<std::size_t>(y * stride);
        for (std::int64_t x = 0; x < sink.width(); ++x) {
            switch (bitCount) {
            case 1: {
                const unsigned byte = pixels[row + x / 8];
                if (!sink.putIndex(x, y, (byte >> (7 - x % 8)) & 1)) return false;
                break;
            }
            case 4: {
                const unsigned byte = pixels[row + x / 2];
                if (!sink.putIndex(x, y, x % 2 == 0 ? byte >> 4 : byte & 15)) return false;
                break;
            }
            case 8:
                if (!sink.putIndex(x, y, pixels[row + x])) return false;
                break;
            case 16: {
                // 5-5-5 with the top bit unused.
                const unsigned v = pixels[row + x * 2] | (pixels[row + x * 2 + 1] << 8);
                sink.put(x, y, {expandFiveBits((v >> 10) & 31), expandFiveBits((v >> 5) & 31),
                                expandFiveBits(v & 31)});
                break;
            }
            case 24: {
                const std::size_t at = row + x * 3;
                sink.put(x, y, {pixels[at + 2], pixels[at + 1], pixels[at]});
                break;
            }
            case 32: {
                const std::size_t at = row + x * 4;
                sink.put(x, y, {pixels[at + 2], pixels[at + 1], pixels[at]});
                break;
            }
            }
        }
    }
    return true;
}

/// Run-length encoded rows (RLE8 or RLE4). Pixels the stream never paints stay
/// black; runs past the right edge are clipped. The stream must reach its
/// end-of-picture mark or fill every row, so a cut-off file is refused.
bool decodeRunLength(Bytes stream, bool fourBit, PixelSink& sink)
{
    std::size_t p = 0;
    std::int64_t x = 0;
    std::int64_t y = 0;
    auto indexAt = [&](unsigned value, std::int64_t i) -> unsigned {
        if (!fourBit) return value;
        return i % 2 == 0 ? value >> 4 : value & 15;
    };
    auto paint = [&](std::int64_t px, unsigned index) {
        // Clipped pixels are still checked, so a bad index is refused wherever it is.
        if (px >= sink.width()) return sink.hasColor(index);
        return sink.putIndex(px, y, index);
    };

    while (y < sink.height()) {
        if (p + 2 > stream.size()) return false;
        const unsigned count = stream[p];
        const unsigned value = stream[p + 1];
        p += 2;

        if (count > 0) {
            // Encoded run: one index (RLE8) or two alternating ones (RLE4).
            for (unsigned i = 0; i < count; ++i) {
                if (!paint(x + i, indexAt(value, i))) return false;
            }
            x += count;
            continue;
        }
        switch (value) {
        case 0:  // end of row
            x = 0;
            ++y;
            break;
        case 1:  // end of picture
            return true;
        case 2:  // move right and up
            if (p + 2 > stream.size()) return false;
            x += stream[p];
            y += stream[p + 1];
            p += 2;
            break;
        default: {
            // Absolute run of `value` indices, padded to an even byte count.
            const std::size_t bytes = fourBit ? (value + 1) / 2 : value;
            const std::size_t padded = (bytes + 1) & ~std::size_t{1};
            if (p + padded > stream.size()) return false;
            for (unsigned i = 0; i < value; ++i) {
                const unsigned byte = stream[p + (fourBit ? i / 2 : i)];
                if (!paint(x + i, fourBit ? indexAt(byte, i) : byte)) return false;
            }
            x += value;
            p += padded;
            break;
        }
        }
    }
    return true;
}

BmpDecodeResult refuse(const char* message)
{
    BmpDecodeResult result;
    result.error = message;
    return result;
}

} // namespace

BmpDecodeResult decodeBmp(Bytes bytes)
{
    const bool hasFileHeader = bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
    const std::size_t infoStart = hasFileHeader ? kFileHeaderSize : 0;
    if (bytes.size() < infoStart + 4) return refuse(kBmpConversionError);

    // Header kind, then the header itself.
    const std::uint32_t headerSize = readU32(bytes, infoStart);
    if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize) {
        return refuse(kBmpUnknownFormat);
    }
    if (bytes.size() < infoStart + headerSize) return refuse(kBmpConversionError);
    const DibHeader header = headerSize == kCoreHeaderSize ? readCoreHeader(bytes, infoStart)
                                                           : readInfoHeader(bytes, infoStart);
    if (!isSupported(header)) return refuse(kBmpConversionError);

    // Colour table, right after the header in both layouts.
    const std::uint64_t paletteStart = infoStart + headerSize;
    const std::uint64_t paletteBytes = header.colorCount * header.colorEntrySize;
    if (paletteStart + paletteBytes > bytes.size()) return refuse(kBmpConversionError);
    std::vector<Color> palette;
    const std::uint64_t usable = std::min(header.colorCount, kMaxAddressableColors);
    for (std::uint64_t i = 0; i < usable; ++i) {
        const std::size_t at = static_cast<std::size_t>(paletteStart + i * header.colorEntrySize);
        palette.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
    }

    // Pixel data: where the file header says, or right after the colour table.
    const std::uint64_t pixelStart = hasFileHeader ? readU32(bytes, kPixelOffsetField)
                                                   : paletteStart + paletteBytes;
    if (pixelStart > bytes.size()) return refuse(kBmpConversionError);
    Bytes pixels = bytes.subspan(static_cast<std::size_t>(pixelStart));

    BmpDecodeResult result;
    result.image.width = static_cast<std::int32_t>(header.width);
    result.image.height = static_cast<std::int32_t>(header.height);
    try {
        result.image.data.assign(static_cast<std::size_t>(header.width * header.height * 3), 0);
    } catch (const std::bad_alloc&) {
        return refuse(kBmpOutOfMemory);
    }
    PixelSink sink(result.image, std::move(palette));

    bool decoded = false;
    if (header.compression == kCompressionNone) {
        decoded = decodeUncompressed(pixels, header.bitCount, sink);
    } else {
        // The stated compressed size bounds the stream when the file gives one.
        if (header.sizeImage != 0 && header.sizeImage < pixels.size()) {
            pixels = pixels.first(header.sizeImage);
        }
        decoded = decodeRunLength(pixels, header.compression == kCompressionRle4, sink);
    }
    if (!decoded) return refuse(kBmpConversionError);
    return result;
}
