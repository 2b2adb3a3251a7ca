#include "game_pictures.h"

#include <algorithm>
#include <cmath>

namespace picgen {

Canvas makeBallPicture()
{
    constexpr int kSide = 128;
    Canvas c(kSide, kSide);
    // Light from the upper left, towards the viewer (y grows downwards here).
    const float lx = -0.45f, ly = -0.55f, lz = 0.70f;
    const float ll = std::sqrt(lx * lx + ly * ly + lz * lz);
    const Color body{0.74f, 0.74f, 0.72f};
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const float nx = (x + 0.5f) / (kSide * 0.5f) - 1;
            const float ny = (y + 0.5f) / (kSide * 0.5f) - 1;
            // Past the rim the last ring is continued, so the polygon's edge
            // never samples a colour from outside the ball.
            const float r = std::min(std::hypot(nx, ny), 0.999f);
            const float k = r > 0 ? r / std::max(std::hypot(nx, ny), 1e-6f) : 1.0f;
            const float px = nx * k, py = ny * k, pz = std::sqrt(1 - r * r);
            const float diffuse = std::max(0.0f, (px * lx + py * ly + pz * lz) / ll);
            // Phong highlight: reflect the light about the normal, viewer on +z.
            const float d = (px * lx + py * ly + pz * lz) / ll;
            const float rz = 2 * d * pz - lz / ll;
            const float specular = std::pow(std::max(0.0f, rz), 28.0f);
            Color col = scale(body, 0.30f + 0.70f * diffuse);
            col = add(col, scale(Color{1, 1, 1}, 0.55f * specular));
            // Light bouncing back from below keeps the shadow side round.
            col = add(col, scale(Color{0.10f, 0.10f, 0.12f}, smoothstep(0.2f, 1.0f, py)));
            // A dark rim so the ball stands out on any background.
            col = scale(col, 1 - 0.55f * smoothstep(0.90f, 0.99f, r));
            c.at(x, y) = col;
        }
    }
    return c;
}

Canvas makePanelPicture()
{
    constexpr int kWidth = 128, kHeight = 512;
    Canvas c(kWidth, kHeight);
    const Color top{0.30f, 0.34f, 0.40f}, bottom{0.16f, 0.19f, 0.24f};
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const float u = (x + 0.5f) / kWidth, v = (y + 0.5f) / kHeight;
            Color col = mix(top, bottom, v);
            // Brushed streaks run across the panel.
            const float streak = tiledNoise(u * 0.25f, v, 96, 211) - 0.5f;
            const float grain = hash01(x, y, 223) - 0.5f;
            col = scale(col, 1 + streak * 0.18f + grain * 0.05f);
            // Bevel: light inner edge, dark outer edge on the right.
            if (x >= kWidth - 6 && x < kWidth - 3) col = mix(col, Color{0.62f, 0.68f, 0.76f}, 0.6f);
            if (x >= kWidth - 3) col = scale(col, 0.45f);
            if (x < 2) col = scale(col, 0.7f);
            c.at(x, y) = col;
        }
    }
    // Faint separators where the tool groups sit.
    for (int y = 64; y < kHeight; y += 64) {
        c.line(8, y, kWidth - 14, y, 1.0f, Color{0.08f, 0.09f, 0.11f}, 0.5f);
        c.line(8, y + 1, kWidth - 14, y + 1, 1.0f, Color{0.55f, 0.60f, 0.68f}, 0.25f);
    }
    return c;
}

void drawRope(Canvas& canvas, float x0, float y0, float x1, float y1, float sag, float width,
              Color color, float opacity)
{
    constexpr int kPieces = 24;
    float px = x0, py = y0;
    for (int i = 1; i <= kPieces; ++i) {
        const float t = static_cast<float>(i) / kPieces;
        const float x = x0 + (x1 - x0) * t;
        const float y = y0 + (y1 - y0) * t + sag * 4 * t * (1 - t);
        canvas.line(px, py, x, y, width, color, opacity);
        px = x;
        py = y;
    }
}

} // namespace picgen
