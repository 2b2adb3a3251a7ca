#include "app/view.h"

#include <algorithm>
#include <iterator>

Vector2D View::toWorld(int x, int y) const
{
    const long double B = kHalfWidthExact * static_cast<long double>(zoomOut);
    const long double A = 2.0L * B;
    const long double W = width;
    const long double H = height;
    const Vector2D camera = cameraOffset + drawnCameraShift;
    long double wx = (A * x) / W - (B * W) / W + camera.x;
    long double wy = (B * H) / W + (A * (-static_cast<long double>(y))) / W + camera.y;
    return {static_cast<float>(wx), static_cast<float>(wy)};
}

Vector2D View::toPicture(const Vector2D& at) const
{
    const Vector2D camera = cameraOffset + drawnCameraShift;
    const float scale = pixelsPerUnit();
    return {static_cast<float>(width) * 0.5f + (at.x - camera.x) * scale,
            static_cast<float>(height) * 0.5f - (at.y - camera.y) * scale};
}

bool View::zoomBy(int notches, const Vector2D& pivot, float widest)
{
    const int count = static_cast<int>(std::size(kZoomSteps));
    int last = 0;
    while (last + 1 < count && kZoomSteps[last] < widest) ++last;
    int at = 0;
    while (at + 1 < count && kZoomSteps[at] < zoomOut) ++at;
    const int target = std::clamp(at - notches, 0, last);
    const float zoom = kZoomSteps[target];
    if (zoom == zoomOut) return false;
    // The point under the pointer stays under it.
    cameraOffset = pivot - (pivot - cameraOffset) * (zoom / zoomOut);
    zoomOut = zoom;
    return true;
}
