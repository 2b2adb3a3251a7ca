#include "app/view.h"

Vector2D View::toWorld(int x, int y) const
{
    const long double A = 2.0L * kHalfWidthExact;
    const long double B = kHalfWidthExact;
    const long double W = width;
    const long double H = height;
    const Vector2D camera = cameraOffset + drawnCameraShift;
    long double wx = (A * x) / W - (B * W) / W + camera.x;
    long double wy = (B * H) / W + (A * (-static_cast<long double>(y))) / W + camera.y;
    return {static_cast<float>(wx), static_cast<float>(wy)};
}
