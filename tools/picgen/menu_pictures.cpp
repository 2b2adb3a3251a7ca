#include "menu_pictures.h"

#include <cmath>

#include "game_pictures.h"
#include "theme_pictures.h"

namespace picgen {

namespace {

constexpr int kSide = 256;

/// Darkens towards the corners, drawing the eye to the middle.
void vignette(Canvas& c, float strength)
{
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const float dx = (x + 0.5f) / c.width() - 0.5f, dy = (y + 0.5f) / c.height() - 0.5f;
            const float d = std::sqrt(dx * dx + dy * dy) / 0.7071f;
            c.at(x, y) = scale(c.at(x, y), 1 - strength * smoothstep(0.4f, 1.0f, d));
        }
    }
}

/// A dock point as the game draws it: a small green square, here with a glow.
void dock(Canvas& c, float x, float y, float opacity)
{
    c.disc(x, y, 5.0f, Color{0.3f, 1.0f, 0.4f}, 0.15f * opacity);
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) c.blend(int(x) + dx, int(y) + dy, {0.3f, 0.9f, 0.3f}, opacity);
    }
}

/// A lit ball in the hand of the ball picture, flattened to a disc with a highlight.
void ball(Canvas& c, float x, float y, float r, Color tone, float opacity)
{
    c.disc(x + r * 0.15f, y + r * 0.2f, r, Color{0, 0, 0}, 0.35f * opacity);  // shadow
    c.disc(x, y, r, scale(tone, 0.7f), opacity);
    c.disc(x - r * 0.15f, y - r * 0.15f, r * 0.75f, tone, opacity);
    c.disc(x - r * 0.35f, y - r * 0.35f, r * 0.25f, Color{1, 1, 1}, 0.7f * opacity);
}

Canvas title()
{
    Canvas c = paintSquare(kSide, [](float u, float v) {
        const Color top{0.10f, 0.22f, 0.34f}, low{0.16f, 0.10f, 0.30f};
        const float haze = tiledFractal(u, v, 3, 4, 301);
        return mix(mix(top, low, v), Color{0.20f, 0.38f, 0.48f}, 0.35f * haze);
    });
    // Ropes strung between dock points, the game's own picture of itself.
    const Color rope{0.35f, 0.55f, 1.0f};
    const float docks[][2] = {{18, 70}, {96, 52}, {170, 78}, {238, 60}, {40, 200}, {128, 186}, {220, 206}};
    drawRope(c, 18, 70, 96, 52, 26, 2.0f, rope, 0.75f);
    drawRope(c, 96, 52, 170, 78, 34, 2.0f, rope, 0.75f);
    drawRope(c, 170, 78, 238, 60, 20, 2.0f, rope, 0.75f);
    drawRope(c, 40, 200, 128, 186, 18, 2.0f, rope, 0.6f);
    drawRope(c, 128, 186, 220, 206, 24, 2.0f, rope, 0.6f);
    for (const auto& d : docks) dock(c, d[0], d[1], 0.9f);
    ball(c, 128, 120, 13, Color{0.95f, 0.85f, 0.35f}, 0.9f);
    vignette(c, 0.55f);
    return c;
}

Canvas levels()
{
    Canvas c = paintSquare(kSide, [](float u, float v) {
        const Color paper{0.12f, 0.26f, 0.46f};
        Color col = scale(paper, 0.9f + 0.2f * tiledFractal(u, v, 8, 3, 401));
        // Blueprint grid: fine lines every 16 pixels, strong ones every 64.
        const float fx = u * 16 - std::floor(u * 16), fy = v * 16 - std::floor(v * 16);
        const float fine = std::max(1 - smoothstep(0, 0.06f, std::min(fx, 1 - fx)),
                                    1 - smoothstep(0, 0.06f, std::min(fy, 1 - fy)));
        const float gx = u * 4 - std::floor(u * 4), gy = v * 4 - std::floor(v * 4);
        const float coarse = std::max(1 - smoothstep(0, 0.02f, std::min(gx, 1 - gx)),
                                      1 - smoothstep(0, 0.02f, std::min(gy, 1 - gy)));
        col = mix(col, Color{0.55f, 0.72f, 0.92f}, 0.12f * fine + 0.25f * coarse);
        return col;
    });
    // A sketched level in the corner: a ramp, a rope and the exit square.
    const Color chalk{0.85f, 0.92f, 1.0f};
    c.line(20, 230, 90, 200, 1.5f, chalk, 0.35f);
    drawRope(c, 90, 200, 170, 206, 16, 1.5f, chalk, 0.35f);
    for (float s : {-8.0f, 8.0f}) {
        c.line(214 - 8, 200 + s, 214 + 8, 200 + s, 1.5f, chalk, 0.35f);
        c.line(214 + s, 200 - 8, 214 + s, 200 + 8, 1.5f, chalk, 0.35f);
    }
    vignette(c, 0.4f);
    return c;
}

Canvas howto()
{
    Canvas c = paintSquare(kSide, [](float u, float v) {
        const Color board{0.12f, 0.24f, 0.17f};
        // Wiped chalk leaves lighter smudges.
        const float smudge = smoothstep(0.45f, 0.8f, tiledFractal(u, v, 3, 4, 501));
        return mix(board, Color{0.24f, 0.34f, 0.28f}, smudge * 0.5f);
    });
    // Chalk: two docks, the rope the player drags between them, the ball on it.
    const Color chalk{0.92f, 0.94f, 0.88f};
    drawRope(c, 40, 150, 216, 150, 30, 2.0f, chalk, 0.45f);
    c.disc(40, 150, 4, chalk, 0.6f);
    c.disc(216, 150, 4, chalk, 0.6f);
    c.disc(128, 158, 11, chalk, 0.25f);
    c.line(128, 110, 128, 134, 1.5f, chalk, 0.4f);  // falling in
    c.line(128, 134, 122, 127, 1.5f, chalk, 0.4f);
    c.line(128, 134, 134, 127, 1.5f, chalk, 0.4f);
    // Wooden frame.
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const int edge = std::min(std::min(x, y), std::min(kSide - 1 - x, kSide - 1 - y));
            if (edge >= 7) continue;
            const float grain = tiledFractal(x / 256.0f, y / 256.0f, 32, 2, 503);
            Color wood = mix(Color{0.40f, 0.24f, 0.12f}, Color{0.55f, 0.36f, 0.18f}, grain);
            if (edge == 6) wood = scale(wood, 0.5f);
            if (edge == 0) wood = scale(wood, 0.7f);
            c.at(x, y) = wood;
        }
    }
    return c;
}

Canvas credits()
{
    Canvas c = paintSquare(kSide, [](float u, float v) {
        const Color top{0.16f, 0.10f, 0.28f}, middle{0.52f, 0.22f, 0.34f}, low{0.86f, 0.50f, 0.22f};
        Color col = v < 0.6f ? mix(top, middle, v / 0.6f) : mix(middle, low, (v - 0.6f) / 0.4f);
        const float cloud = smoothstep(0.5f, 0.8f, tiledFractal(u * 0.5f, v * 2.0f, 4, 4, 601));
        return mix(col, Color{0.95f, 0.65f, 0.45f}, cloud * 0.25f * v);
    });
    for (int i = 0; i < 40; ++i) {
        const float x = hash01(i, 0, 611) * kSide, y = hash01(i, 1, 611) * kSide * 0.5f;
        c.disc(x, y, 0.6f + hash01(i, 2, 611), Color{1, 0.95f, 0.85f}, 0.4f + 0.5f * (1 - y / 128));
    }
    // Rolling hills with a rope bridge between two posts.
    auto hillY = [](float x) {
        const float a = (x - 60) / 38, b = (x - 200) / 42;
        return 228 - 34 * std::exp(-a * a) - 42 * std::exp(-b * b) + 2 * std::sin(x * 0.2f);
    };
    const Color dusk{0.10f, 0.06f, 0.12f};
    for (int x = 0; x < kSide; ++x) {
        const float hill = hillY(x + 0.5f);
        for (int y = static_cast<int>(hill); y < kSide; ++y) c.at(x, y) = dusk;
        c.blend(x, static_cast<int>(hill) - 1, dusk, 1 - (hill - std::floor(hill)));
    }
    const float left = 78, right = 176;
    const float leftTop = hillY(left) - 14, rightTop = hillY(right) - 14;
    c.line(left, hillY(left) + 2, left, leftTop, 2.0f, dusk, 1.0f);
    c.line(right, hillY(right) + 2, right, rightTop, 2.0f, dusk, 1.0f);
    drawRope(c, left, leftTop, right, rightTop, 18, 1.5f, dusk, 1.0f);
    return c;
}

} // namespace

std::vector<MenuPicture> makeMenuPictures()
{
    std::vector<MenuPicture> pictures;
    pictures.push_back({"menu_title.bmp", title()});
    pictures.push_back({"menu_levels.bmp", levels()});
    pictures.push_back({"menu_howto.bmp", howto()});
    pictures.push_back({"menu_credits.bmp", credits()});
    return pictures;
}

} // namespace picgen
