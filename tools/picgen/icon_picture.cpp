#include "icon_picture.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "game_pictures.h"

namespace picgen {

namespace {

// The icon's shapes in units of its side, shared by the picture and the SVG.
constexpr float kTileInset = 0.03f, kTileCorner = 0.20f;
constexpr float kDockLeftX = 0.16f, kDockRightX = 0.84f, kDockY = 0.30f, kDockRadius = 0.055f;
constexpr float kRopeSag = 0.26f, kRopeWidth = 0.04f;
constexpr float kBallX = 0.5f, kBallRadius = 0.17f;
constexpr float kBallY = kDockY + kRopeSag - kRopeWidth * 0.5f - kBallRadius;
const Color kSkyTop{0.42f, 0.48f, 0.92f}, kSkyBottom{0.16f, 0.20f, 0.48f};
const Color kDock{0.22f, 0.78f, 0.30f}, kDockRim{0.05f, 0.25f, 0.08f};
const Color kRope{0.93f, 0.80f, 0.52f};
const Color kBall{0.95f, 0.88f, 0.55f};

/// Signed distance (units of the side) from the rounded tile's edge; negative inside.
float tileDistance(float u, float v)
{
    const float half = 0.5f - kTileInset - kTileCorner;
    const float dx = std::max(std::abs(u - 0.5f) - half, 0.0f);
    const float dy = std::max(std::abs(v - 0.5f) - half, 0.0f);
    return std::hypot(dx, dy) - kTileCorner;
}

/// The ball of the game's own picture: lit from the upper left with a
/// highlight and a dark rim, here in the warm tint the play mode gives it.
void drawBall(Canvas& c, float cx, float cy, float radius)
{
    const float lx = -0.45f, ly = -0.55f, lz = 0.70f;
    const float ll = std::sqrt(lx * lx + ly * ly + lz * lz);
    for (int y = static_cast<int>(cy - radius - 1); y <= static_cast<int>(cy + radius + 1); ++y) {
        for (int x = static_cast<int>(cx - radius - 1); x <= static_cast<int>(cx + radius + 1); ++x) {
            const float nx = (x + 0.5f - cx) / radius, ny = (y + 0.5f - cy) / radius;
            const float d = std::hypot(nx, ny);
            const float cover = clamp01((1 - d) * radius + 0.5f);
            if (cover <= 0) continue;
            const float r = std::min(d, 0.999f);
            const float k = d > 0 ? r / d : 1.0f;
            const float px = nx * k, py = ny * k, pz = std::sqrt(1 - r * r);
            const float lit = std::max(0.0f, (px * lx + py * ly + pz * lz) / ll);
            const float rz = 2 * lit * pz - lz / ll;
            Color col = scale(kBall, 0.30f + 0.70f * lit);
            col = add(col, scale(Color{1, 1, 1}, 0.55f * std::pow(std::max(0.0f, rz), 28.0f)));
            col = scale(col, 1 - 0.55f * smoothstep(0.90f, 0.99f, r));
            c.blend(x, y, col, cover);
        }
    }
}

std::string number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value * 256));
    return text;
}

std::string hex(Color c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<int>(std::lround(clamp01(c.r) * 255)),
                  static_cast<int>(std::lround(clamp01(c.g) * 255)), static_cast<int>(std::lround(clamp01(c.b) * 255)));
    return text;
}

void putChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data)
{
    auto put32 = [&out](std::uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
    };
    put32(static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32(static_cast<std::uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

} // namespace

Canvas makeIconPicture(int side, std::vector<float>& alpha)
{
    const float s = static_cast<float>(side);
    Canvas c(side, side);
    alpha.assign(static_cast<std::size_t>(side) * side, 0.0f);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const float u = (x + 0.5f) / s, v = (y + 0.5f) / s;
            c.at(x, y) = mix(kSkyTop, kSkyBottom, v);
            alpha[static_cast<std::size_t>(y) * side + x] = clamp01(0.5f - tileDistance(u, v) * s);
        }
    }
    const float dockRadius = kDockRadius * s;
    drawRope(c, kDockLeftX * s, kDockY * s, kDockRightX * s, kDockY * s, kRopeSag * s, kRopeWidth * s, kRope, 1.0f);
    for (float dockX : {kDockLeftX, kDockRightX}) {
        c.disc(dockX * s, kDockY * s, dockRadius, kDockRim);
        c.disc(dockX * s, kDockY * s, dockRadius * 0.72f, kDock);
    }
    drawBall(c, kBallX * s, kBallY * s, kBallRadius * s);
    return c;
}

std::string makeIconSvg()
{
    const float tile = 1 - 2 * kTileInset;
    // The rope's parabola is exactly a quadratic curve whose control point
    // lies twice the sag below the chord's middle.
    std::string svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n";
    svg += "  <defs>\n";
    svg += "    <linearGradient id=\"sky\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n";
    svg += "      <stop offset=\"0\" stop-color=\"" + hex(mix(kSkyTop, kSkyBottom, kTileInset)) + "\"/>\n";
    svg += "      <stop offset=\"1\" stop-color=\"" + hex(mix(kSkyTop, kSkyBottom, 1 - kTileInset)) + "\"/>\n";
    svg += "    </linearGradient>\n";
    svg += "    <radialGradient id=\"ball\" cx=\"0.5\" cy=\"0.5\" r=\"0.5\" fx=\"0.34\" fy=\"0.30\">\n";
    svg += "      <stop offset=\"0\" stop-color=\"#ffffff\"/>\n";
    svg += "      <stop offset=\"0.18\" stop-color=\"" + hex(scale(kBall, 0.98f)) + "\"/>\n";
    svg += "      <stop offset=\"0.88\" stop-color=\"" + hex(scale(kBall, 0.42f)) + "\"/>\n";
    svg += "      <stop offset=\"1\" stop-color=\"" + hex(scale(kBall, 0.18f)) + "\"/>\n";
    svg += "    </radialGradient>\n";
    svg += "  </defs>\n";
    svg += "  <rect x=\"" + number(kTileInset) + "\" y=\"" + number(kTileInset) + "\" width=\"" + number(tile) +
           "\" height=\"" + number(tile) + "\" rx=\"" + number(kTileCorner) + "\" fill=\"url(#sky)\"/>\n";
    svg += "  <path d=\"M " + number(kDockLeftX) + " " + number(kDockY) + " Q " + number(0.5f) + " " +
           number(kDockY + 2 * kRopeSag) + " " + number(kDockRightX) + " " + number(kDockY) +
           "\" fill=\"none\" stroke=\"" + hex(kRope) + "\" stroke-width=\"" + number(kRopeWidth) +
           "\" stroke-linecap=\"round\"/>\n";
    for (float dockX : {kDockLeftX, kDockRightX}) {
        svg += "  <circle cx=\"" + number(dockX) + "\" cy=\"" + number(kDockY) + "\" r=\"" + number(kDockRadius) +
               "\" fill=\"" + hex(kDockRim) + "\"/>\n";
        svg += "  <circle cx=\"" + number(dockX) + "\" cy=\"" + number(kDockY) + "\" r=\"" +
               number(kDockRadius * 0.72f) + "\" fill=\"" + hex(kDock) + "\"/>\n";
    }
    svg += "  <circle cx=\"" + number(kBallX) + "\" cy=\"" + number(kBallY) + "\" r=\"" + number(kBallRadius) +
           "\" fill=\"url(#ball)\"/>\n";
    svg += "</svg>\n";
    return svg;
}

bool savePng(const Canvas& picture, const std::vector<float>& alpha, const std::string& path)
{
    const int w = picture.width(), h = picture.height();
    // Each row: filter type 0, then RGBA bytes.
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(h) * (1 + 4 * w));
    auto byte = [](float v) { return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255)); };
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);
        for (int x = 0; x < w; ++x) {
            const Color& c = picture.at(x, y);
            raw.push_back(byte(c.r));
            raw.push_back(byte(c.g));
            raw.push_back(byte(c.b));
            raw.push_back(byte(alpha[static_cast<std::size_t>(y) * w + x]));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) return false;
    packed.resize(packedSize);

    std::vector<std::uint8_t> header;
    for (int v : {w, h})
        for (int shift = 24; shift >= 0; shift -= 8) header.push_back(static_cast<std::uint8_t>(v >> shift));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter choice, no interlace

    std::vector<std::uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    putChunk(file, "IHDR", header);
    putChunk(file, "IDAT", packed);
    putChunk(file, "IEND", {});
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

} // namespace picgen
