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

Canvas title()
{
    Canvas c = paintSquare(kSide, [](float u, float v) {
        const Color top{0.10f, 0.22f, 0.34f}, low{0.16f, 0.10f, 0.30f};
        const float haze = tiledFractal(u, v, 3, 4, 301);
        return mix(mix(top, low, v), Color{0.20f, 0.38f, 0.48f}, 0.35f * haze);
    });
    // Far hills under a night haze: scenery only. The ropes and the ball
    // the title talks about are the live background level's.
    auto ridge = [](float x, float base, float height, float seed) {
        return base - height * (0.5f + 0.5f * std::sin(x * 0.021f + seed)) - 0.35f * height * std::sin(x * 0.057f + 2 * seed);
    };
    const Color far{0.12f, 0.16f, 0.30f}, near{0.07f, 0.09f, 0.20f};
    for (int x = 0; x < kSide; ++x) {
        const float farTop = ridge(x + 0.5f, 226, 26, 1.3f), nearTop = ridge(x + 0.5f, 246, 18, 4.1f);
        for (int y = static_cast<int>(farTop); y < kSide; ++y) c.at(x, y) = mix(c.at(x, y), far, 0.8f);
        for (int y = static_cast<int>(nearTop); y < kSide; ++y) c.at(x, y) = near;
    }
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
    // Rolling hills at dusk.
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
