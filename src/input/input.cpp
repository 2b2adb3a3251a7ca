#include "input/input.h"

Vector2D mouseToWorld(int x, int y)
{
    // The visible half-width is 160/29 world units whatever the window size;
    // both axes are scaled by the width. Evaluated in extended precision.
    const long double A = 11.03448275862069L;
    const long double B = 5.517241379310345L;
    const long double W = windowWidth;
    const long double H = windowHeight;
    const Vector2D camera = cameraOffset + drawnCameraShift;
    long double wx = (A * x) / W - (B * W) / W + camera.x;
    long double wy = (B * H) / W + (A * (-static_cast<long double>(y))) / W + camera.y;
    return {static_cast<float>(wx), static_cast<float>(wy)};
}
