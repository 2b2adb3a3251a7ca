#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

/// A decoded picture: 24-bit RGB, rows packed without padding, the first row
/// being the bottom row of the picture (the order BMP files store them in).
struct RGBImage {
    std::int32_t width = 0;          ///< pixels per row
    std::int32_t height = 0;         ///< number of rows, as in the file's header
    std::vector<std::uint8_t> data;  ///< width * height * 3 bytes: R, G, B per pixel
};

/// The outcome of decoding: an image, or the message that explains the refusal.
struct BmpDecodeResult {
    RGBImage image;
    std::string error;  ///< empty on success
    bool ok() const { return error.empty(); }
};

/// Messages shown by the picture loader, exactly as the player sees them.
inline constexpr const char* kBmpOutOfMemory = "Out of memory.";
inline constexpr const char* kBmpUnknownFormat = "Unknown DIB file format.";
inline constexpr const char* kBmpConversionError = "Image file conversion error.";

/// Largest width or height accepted, in pixels; guards every size computation.
inline constexpr std::int32_t kMaxBmpSide = 8192;

/// Largest file worth reading: the biggest accepted picture at 32 bits, with
/// room for the headers, a colour table and some slack.
inline constexpr std::uint64_t kMaxBmpFileBytes =
    std::uint64_t{kMaxBmpSide} * kMaxBmpSide * 4 + (1u << 20);

/// Decodes the bytes of a BMP file: either a whole file starting with "BM",
/// or a packed image (info header, colour table and pixels back to back).
/// Accepts 12- and 40-byte headers; 1, 4, 8, 16, 24 and 32 bits uncompressed,
/// and RLE8 and RLE4. Any other header size gives kBmpUnknownFormat; a file
/// that does not hold what its headers claim, a size of 0 or above
/// kMaxBmpSide, a top-down or bit-field image, or a palette index beyond the
/// colour table gives kBmpConversionError. Never reads outside `bytes`.
/// Pure: may be called from any thread, with any bytes.
BmpDecodeResult decodeBmp(std::span<const std::uint8_t> bytes);
