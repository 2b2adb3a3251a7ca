#include "theme_pictures.h"

#include <cmath>

namespace picgen {

namespace {

constexpr int kSide = 256;

Canvas sky()
{
    return paintSquare(kSide, [](float u, float v) {
        const Color deep{0.30f, 0.50f, 0.82f}, light{0.50f, 0.70f, 0.93f};
        Color c = mix(deep, light, tiledFractal(u, v, 2, 3, 11));
        // Clouds: a fractal bent by another (still tiling, as both repeat),
        // thresholded softly and shaded darker on their lower side.
        const float wu = tiledFractal(u, v, 2, 3, 17) - 0.5f, wv = tiledFractal(u, v, 2, 3, 19) - 0.5f;
        auto cloudAt = [&](float dv) {
            return smoothstep(0.45f, 0.70f, tiledFractal(u + 0.2f * wu, v + dv + 0.2f * wv, 4, 5, 23));
        };
        const float cloud = cloudAt(0);
        const float under = cloudAt(-0.03f);
        const Color white{0.96f, 0.97f, 1.0f}, grey{0.68f, 0.73f, 0.84f};
        return mix(c, mix(white, grey, clamp01(under - cloud + 0.3f)), cloud * 0.85f);
    });
}

Canvas stone()
{
    return paintSquare(kSide, [](float u, float v) {
        float nearest, second;
        int id;
        tiledCells(u, v, 5, 31, nearest, second, id);
        const float edge = second - nearest;  // 0 on the joint between two stones
        const float tone = 0.47f + 0.12f * hash01(id, 0, 37);
        const float warm = 0.04f * hash01(id, 1, 37);
        const float grain = tiledFractal(u, v, 16, 3, 41) - 0.5f;
        Color face{tone + warm + grain * 0.12f, tone + grain * 0.12f, tone - warm + grain * 0.10f};
        // Stones are lit from above-left: brighter far from the joint.
        face = scale(face, 0.80f + 0.25f * smoothstep(0.05f, 0.45f, edge));
        const Color mortar{0.24f, 0.23f, 0.21f};
        return mix(mortar, face, smoothstep(0.04f, 0.09f, edge));
    });
}

Canvas wood()
{
    constexpr int kPlanks = 4;
    return paintSquare(kSide, [](float u, float v) {
        const int plank = static_cast<int>(v * kPlanks);
        const float inPlank = v * kPlanks - plank;
        // Each plank has its own shade and an end joint somewhere along it.
        const float shade = 0.9f + 0.18f * hash01(plank, 0, 53);
        const float joint = hash01(plank, 1, 53);
        float along = u - joint;
        along -= std::floor(along);
        // Grain: rings stretched along the plank, bent by noise; periodic in u
        // because the noise is, and in v because the ring count per picture is whole.
        const float warp = tiledFractal(u, v, 4, 3, 59 + plank) * 3.0f;
        const float rings = std::sin((v * 24.0f + warp) * 6.2831853f);
        const float fine = tiledFractal(u * 1.0f, v, 32, 2, 61) - 0.5f;
        const Color light{0.66f, 0.45f, 0.25f}, dark{0.47f, 0.29f, 0.14f};
        Color c = scale(mix(light, dark, 0.5f + 0.35f * rings + fine * 0.4f), shade);
        // Seams between planks and at the end joint.
        const float seam = std::min(inPlank, 1 - inPlank) * kSide / kPlanks;
        const float end = std::min(along, 1 - along) * kSide;
        c = scale(c, 0.55f + 0.45f * smoothstep(0.5f, 2.0f, std::min(seam, end)));
        return c;
    });
}

Canvas night()
{
    Canvas c = paintSquare(kSide, [](float u, float v) {
        const Color deep{0.16f, 0.18f, 0.36f}, violet{0.42f, 0.31f, 0.60f}, teal{0.22f, 0.44f, 0.58f};
        const float cloud = smoothstep(0.36f, 0.64f, tiledFractal(u, v, 3, 5, 71));
        const float tint = tiledFractal(u, v, 2, 2, 73);
        return mix(deep, mix(violet, teal, tint), cloud);
    });
    // Stars: at most one per 16-pixel square, a few of them large.
    for (int gy = 0; gy < kSide / 16; ++gy) {
        for (int gx = 0; gx < kSide / 16; ++gx) {
            if (hash01(gx, gy, 79) > 0.7f) continue;
            const float x = gx * 16 + 16 * hash01(gx, gy, 83);
            const float y = gy * 16 + 16 * hash01(gx, gy, 89);
            const float size = hash01(gx, gy, 97);
            const Color star = mix(Color{1.0f, 0.95f, 0.80f}, Color{0.80f, 0.90f, 1.0f},
                                   hash01(gx, gy, 101));
            wrappedDisc(c, x, y, size > 0.9f ? 1.6f : 0.7f, star, 0.5f + 0.5f * size);
            if (size > 0.9f) wrappedDisc(c, x, y, 4.0f, star, 0.12f);  // glow
        }
    }
    return c;
}

Canvas ice()
{
    return paintSquare(kSide, [](float u, float v) {
        const Color pale{0.78f, 0.90f, 0.96f}, blue{0.50f, 0.72f, 0.88f};
        Color c = mix(blue, pale, smoothstep(0.3f, 0.7f, tiledFractal(u, v, 3, 4, 113)));
        // Large cracks between plates, finer ones inside.
        float nearest, second;
        int id;
        tiledCells(u, v, 4, 127, nearest, second, id);
        const float crack = 1 - smoothstep(0.0f, 0.035f, second - nearest);
        tiledCells(u, v, 11, 131, nearest, second, id);
        const float fine = (1 - smoothstep(0.0f, 0.03f, second - nearest)) *
                           smoothstep(0.56f, 0.64f, tiledFractal(u, v, 4, 2, 137));
        c = mix(c, Color{0.36f, 0.55f, 0.72f}, crack * 0.7f);
        c = mix(c, Color{0.97f, 0.99f, 1.0f}, fine * 0.6f);
        // Frost speckle.
        const float frost = smoothstep(0.62f, 0.75f, tiledFractal(u, v, 32, 2, 139));
        return mix(c, Color{1, 1, 1}, frost * 0.5f);
    });
}

} // namespace

void wrappedDisc(Canvas& canvas, float x, float y, float radius, Color c, float opacity)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            canvas.disc(x + dx * canvas.width(), y + dy * canvas.height(), radius, c, opacity);
        }
    }
}

std::vector<ThemePicture> makeThemePictures()
{
    std::vector<ThemePicture> themes;
    themes.push_back({"sky", sky()});
    themes.push_back({"stone", stone()});
    themes.push_back({"wood", wood()});
    themes.push_back({"night", night()});
    themes.push_back({"ice", ice()});
    return themes;
}

} // namespace picgen
