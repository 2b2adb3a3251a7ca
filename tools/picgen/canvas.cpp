#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace picgen {

Color mix(Color a, Color b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Color scale(Color c, float k)
{
    return {c.r * k, c.g * k, c.b * k};
}

Color add(Color a, Color b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

float clamp01(float v)
{
    return std::clamp(v, 0.0f, 1.0f);
}

float smoothstep(float edge0, float edge1, float x)
{
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

Canvas::Canvas(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill)
{
}

void Canvas::blend(int x, int y, Color c, float a)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || a <= 0) return;
    Color& p = at(x, y);
    p = mix(p, c, std::min(a, 1.0f));
}

void Canvas::disc(float cx, float cy, float radius, Color c, float opacity)
{
    const int x0 = static_cast<int>(std::floor(cx - radius - 1));
    const int x1 = static_cast<int>(std::ceil(cx + radius + 1));
    const int y0 = static_cast<int>(std::floor(cy - radius - 1));
    const int y1 = static_cast<int>(std::ceil(cy + radius + 1));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            blend(x, y, c, opacity * clamp01(radius + 0.5f - d));
        }
    }
}

void Canvas::line(float x0, float y0, float x1, float y1, float width, Color c, float opacity)
{
    const float dx = x1 - x0, dy = y1 - y0;
    const float lengthSq = std::max(dx * dx + dy * dy, 1e-6f);
    const float half = width * 0.5f;
    const int minX = static_cast<int>(std::floor(std::min(x0, x1) - half - 1));
    const int maxX = static_cast<int>(std::ceil(std::max(x0, x1) + half + 1));
    const int minY = static_cast<int>(std::floor(std::min(y0, y1) - half - 1));
    const int maxY = static_cast<int>(std::ceil(std::max(y0, y1) + half + 1));
    for (int y = minY; y <= maxY; ++y) {
        for (int x = minX; x <= maxX; ++x) {
            const float px = x + 0.5f - x0, py = y + 0.5f - y0;
            const float t = std::clamp((px * dx + py * dy) / lengthSq, 0.0f, 1.0f);
            const float d = std::hypot(px - t * dx, py - t * dy);
            blend(x, y, c, opacity * clamp01(half + 0.5f - d));
        }
    }
}

namespace {

void putU16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint8_t toByte(float v)
{
    return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255.0f));
}

} // namespace

std::vector<std::uint8_t> Canvas::bmpBytes() const
{
    const std::uint32_t stride = (static_cast<std::uint32_t>(width_) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(height_);
    const std::uint32_t offset = 14 + 40;
    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    putU32(out, offset + pixelBytes);
    putU32(out, 0);
    putU32(out, offset);
    putU32(out, 40);
    putU32(out, static_cast<std::uint32_t>(width_));
    putU32(out, static_cast<std::uint32_t>(height_));
    putU16(out, 1);
    putU16(out, 24);
    putU32(out, 0);
    putU32(out, pixelBytes);
    putU32(out, 2835);  // 72 dots per inch
    putU32(out, 2835);
    putU32(out, 0);
    putU32(out, 0);
    for (int y = height_ - 1; y >= 0; --y) {  // bottom row first
        const std::size_t rowStart = out.size();
        for (int x = 0; x < width_; ++x) {
            const Color& c = at(x, y);
            out.push_back(toByte(c.b));
            out.push_back(toByte(c.g));
            out.push_back(toByte(c.r));
        }
        while (out.size() - rowStart < stride) out.push_back(0);
    }
    return out;
}

bool Canvas::save(const std::string& path) const
{
    const std::vector<std::uint8_t> bytes = bmpBytes();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

float hash01(int x, int y, int seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^
                      static_cast<std::uint32_t>(y) * 0xd8163841u ^
                      static_cast<std::uint32_t>(seed) * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return static_cast<float>(h >> 8) / 16777216.0f;
}

namespace {

int wrap(int i, int period)
{
    const int m = i % period;
    return m < 0 ? m + period : m;
}

float fade(float t)
{
    return t * t * t * (t * (t * 6 - 15) + 10);
}

} // namespace

float tiledNoise(float u, float v, int period, int seed)
{
    // Gradient noise: a random direction at each lattice point. Unlike plain
    // value noise it has no flat plateaus, so clouds and grain show no grid.
    const float x = u * period, y = v * period;
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const float fx = x - ix, fy = y - iy;
    auto corner = [&](int dx, int dy) {
        const float angle = 6.2831853f * hash01(wrap(ix + dx, period), wrap(iy + dy, period), seed);
        return std::cos(angle) * (fx - dx) + std::sin(angle) * (fy - dy);
    };
    const float sx = fade(fx), sy = fade(fy);
    const float top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * sx;
    const float bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * sx;
    return clamp01(0.5f + 0.75f * (top + (bottom - top) * sy));
}

float tiledFractal(float u, float v, int period, int octaves, int seed)
{
    float sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += tiledNoise(u, v, period << i, seed + i * 101) * weight;
        total += weight;
        weight *= 0.5f;
    }
    return sum / total;
}

void tiledCells(float u, float v, int cells, int seed, float& nearest, float& second, int& id)
{
    const float x = u * cells, y = v * cells;
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    nearest = second = 1e9f;
    id = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int cx = wrap(ix + dx, cells), cy = wrap(iy + dy, cells);
            const float px = ix + dx + 0.15f + 0.7f * hash01(cx, cy, seed);
            const float py = iy + dy + 0.15f + 0.7f * hash01(cx, cy, seed + 7);
            const float d = std::hypot(px - x, py - y);
            if (d < nearest) {
                second = nearest;
                nearest = d;
                id = cy * cells + cx;
            } else if (d < second) {
                second = d;
            }
        }
    }
}

} // namespace picgen
