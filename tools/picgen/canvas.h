#pragma once

// Drawing surface and procedural helpers of the picture generator. Everything
// here is deterministic: no clock, no rand(), only integer hashes, so the same
// build writes the same bytes every time.

#include <cstdint>
#include <string>
#include <vector>

namespace picgen {

struct Color {
    float r = 0, g = 0, b = 0;
};

Color mix(Color a, Color b, float t);
Color scale(Color c, float k);
Color add(Color a, Color b);
float clamp01(float v);
float smoothstep(float edge0, float edge1, float x);

/// An RGB picture, row 0 at the top, channels 0 to 1.
class Canvas {
public:
    Canvas(int width, int height, Color fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    Color& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    const Color& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    /// Blends colour c over pixel (x, y) with opacity a; outside pixels are ignored.
    void blend(int x, int y, Color c, float a);
    /// A soft-edged filled disc, radius and centre in pixels.
    void disc(float cx, float cy, float radius, Color c, float opacity = 1.0f);
    /// A soft line of the given width in pixels.
    void line(float x0, float y0, float x1, float y1, float width, Color c, float opacity = 1.0f);

    /// The picture as a 24-bit bottom-up BMP file with a 40-byte header.
    std::vector<std::uint8_t> bmpBytes() const;
    /// Writes bmpBytes to a file; false when the file cannot be written.
    bool save(const std::string& path) const;

private:
    int width_;
    int height_;
    std::vector<Color> pixels_;
};

/// A square picture of `side` pixels with paint(u, v) called for every
/// pixel, u and v in [0, 1) at pixel centres.
template <typename Paint>
Canvas paintSquare(int side, Paint paint)
{
    Canvas c(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            c.at(x, y) = paint((x + 0.5f) / side, (y + 0.5f) / side);
        }
    }
    return c;
}

/// Hash of integer coordinates and a seed to [0, 1).
float hash01(int x, int y, int seed);

/// Smooth value noise on [0,1)^2 that repeats with the picture: the lattice
/// has `period` cells per side and wraps, so tiles join without a seam.
float tiledNoise(float u, float v, int period, int seed);

/// Sum of `octaves` layers of tiledNoise, each of twice the period and half
/// the weight; result in [0, 1].
float tiledFractal(float u, float v, int period, int octaves, int seed);

/// Distances to the nearest and second-nearest feature point of a wrapping
/// cell pattern with `cells` cells per side (u, v in [0, 1)), in cell units;
/// `id` receives a number for the nearest cell.
void tiledCells(float u, float v, int cells, int seed, float& nearest, float& second, int& id);

} // namespace picgen
