#pragma once

// Writes small BMP files in every layout the decoder reads, so tests can check
// that one picture comes out the same whatever way it was stored.

#include <array>
#include <cstdint>
#include <vector>

namespace bmptest {

using Rgb = std::array<std::uint8_t, 3>;

/// A palette picture: indices bottom row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> indices;
};

enum class Compression : std::uint32_t { None = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

struct Format {
    std::uint32_t headerSize = 40;  ///< 12 (core) or 40 (info); others are written padded with zeros
    int bits = 24;
    Compression compression = Compression::None;
    bool fileHeader = true;         ///< starts with "BM"; false writes a packed image
    std::uint32_t colorsUsed = 0;   ///< 40-byte header only; 0 means the default table
    bool absoluteRuns = true;       ///< RLE: write odd rows in absolute mode
};

inline void putU16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void putU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline void setU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

/// The RGB bytes the decoder must give for a picture.
inline std::vector<std::uint8_t> expectedRgb(const Picture& picture)
{
    std::vector<std::uint8_t> rgb;
    for (std::uint8_t index : picture.indices) {
        const Rgb& c = picture.palette[index];
        rgb.insert(rgb.end(), c.begin(), c.end());
    }
    return rgb;
}

inline std::uint32_t tableLength(const Picture&, const Format& f)
{
    if (f.headerSize == 40 && f.colorsUsed != 0) return f.colorsUsed;
    return f.bits == 1 ? 2 : f.bits == 4 ? 16 : f.bits == 8 ? 256 : 0;
}

inline std::vector<std::uint8_t> uncompressedPixels(const Picture& p, int bits)
{
    std::vector<std::uint8_t> out;
    for (int y = 0; y < p.height; ++y) {
        std::vector<std::uint8_t> row;
        std::uint32_t acc = 0;
        int accBits = 0;
        for (int x = 0; x < p.width; ++x) {
            const std::uint8_t index = p.indices[y * p.width + x];
            const Rgb& c = p.palette[index];
            if (bits <= 8) {
                acc = (acc << bits) | index;
                accBits += bits;
                if (accBits == 8) {
                    row.push_back(static_cast<std::uint8_t>(acc));
                    acc = 0;
                    accBits = 0;
                }
            } else if (bits == 16) {
                putU16(row, ((c[0] >> 3) << 10) | ((c[1] >> 3) << 5) | (c[2] >> 3));
            } else {
                row.push_back(c[2]);
                row.push_back(c[1]);
                row.push_back(c[0]);
                if (bits == 32) row.push_back(0xEE);  // unused byte: must be ignored
            }
        }
        if (accBits > 0) row.push_back(static_cast<std::uint8_t>(acc << (8 - accBits)));
        while (row.size() % 4 != 0) row.push_back(0);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

inline std::vector<std::uint8_t> runLengthPixels(const Picture& p, const Format& f)
{
    const bool four = f.compression == Compression::Rle4;
    std::vector<std::uint8_t> out;
    for (int y = 0; y < p.height; ++y) {
        const std::uint8_t* row = &p.indices[y * p.width];
        int x = 0;
        if (f.absoluteRuns && y % 2 == 1 && p.width >= 3) {
            const int n = p.width > 255 ? 255 : p.width;
            out.push_back(0);
            out.push_back(static_cast<std::uint8_t>(n));
            std::vector<std::uint8_t> body;
            for (int i = 0; i < n; ++i) {
                if (!four) body.push_back(row[i]);
                else if (i % 2 == 0) body.push_back(static_cast<std::uint8_t>(row[i] << 4));
                else body.back() |= row[i];
            }
            if (body.size() % 2 == 1) body.push_back(0);
            out.insert(out.end(), body.begin(), body.end());
            x = n;
        }
        while (x < p.width) {
            int run = 1;
            while (x + run < p.width && run < 255 && row[x + run] == row[x]) ++run;
            out.push_back(static_cast<std::uint8_t>(run));
            out.push_back(four ? static_cast<std::uint8_t>(row[x] << 4 | row[x]) : row[x]);
            x += run;
        }
        out.push_back(0);
        out.push_back(y + 1 == p.height ? 1 : 0);  // end of row, or end of picture
    }
    return out;
}

/// The complete file (or packed image) for a picture in a format.
inline std::vector<std::uint8_t> writeBmp(const Picture& p, const Format& f)
{
    const std::uint32_t colors = tableLength(p, f);
    const std::vector<std::uint8_t> pixels = f.compression == Compression::None
                                                 ? uncompressedPixels(p, f.bits)
                                                 : runLengthPixels(p, f);
    std::vector<std::uint8_t> out;
    if (f.fileHeader) {
        out.push_back('B');
        out.push_back('M');
        putU32(out, 0);  // file size, filled below; the decoder ignores it
        putU32(out, 0);
        putU32(out, 0);  // pixel offset, filled below
    }
    const std::size_t headerStart = out.size();
    putU32(out, f.headerSize);
    if (f.headerSize == 12) {
        putU16(out, p.width);
        putU16(out, p.height);
        putU16(out, 1);
        putU16(out, f.bits);
    } else {
        putU32(out, static_cast<std::uint32_t>(p.width));
        putU32(out, static_cast<std::uint32_t>(p.height));
        putU16(out, 1);
        putU16(out, f.bits);
        putU32(out, static_cast<std::uint32_t>(f.compression));
        putU32(out, f.compression == Compression::None ? 0 : static_cast<std::uint32_t>(pixels.size()));
        putU32(out, 2835);
        putU32(out, 2835);
        putU32(out, f.colorsUsed);
        putU32(out, 0);
        while (out.size() < headerStart + f.headerSize) out.push_back(0);
    }
    for (std::uint32_t i = 0; i < colors; ++i) {
        const Rgb c = i < p.palette.size() ? p.palette[i] : Rgb{0, 0, 0};
        out.push_back(c[2]);
        out.push_back(c[1]);
        out.push_back(c[0]);
        if (f.headerSize != 12) out.push_back(0);
    }
    if (f.fileHeader) setU32(out, 10, static_cast<std::uint32_t>(out.size()));
    out.insert(out.end(), pixels.begin(), pixels.end());
    if (f.fileHeader) setU32(out, 2, static_cast<std::uint32_t>(out.size()));
    return out;
}

/// A 5 by 3 picture in four colours, every channel value exact in 5 bits too.
inline Picture fourColourPicture()
{
    Picture p;
    p.width = 5;
    p.height = 3;
    p.palette = {{0, 0, 0}, {255, 255, 255}, {255, 132, 0}, {0, 132, 255}};
    p.indices = {0, 1, 2, 3, 3,   //
                 2, 2, 2, 1, 0,   //
                 3, 0, 1, 1, 2};
    return p;
}

/// A 11 by 2 picture in two colours, for the one-bit formats.
inline Picture twoColourPicture()
{
    Picture p;
    p.width = 11;
    p.height = 2;
    p.palette = {{255, 132, 0}, {0, 132, 255}};
    p.indices = {0, 1, 1, 0, 1, 0, 0, 0, 1, 1, 1,  //
                 1, 0, 0, 1, 1, 1, 0, 1, 0, 0, 1};
    return p;
}

} // namespace bmptest
