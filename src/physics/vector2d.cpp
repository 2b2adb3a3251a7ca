#include "physics/vector2d.h"

#include <cmath>

float length(const Vector2D& a)
{
    return static_cast<float>(std::sqrt(static_cast<double>(a.x * a.x + a.y * a.y)));
}

float distance(const Vector2D& a, const Vector2D& b)
{
    return length(a - b);
}

float dot(const Vector2D& a, const Vector2D& b)
{
    return a.x * b.x + a.y * b.y;
}

Vector2D closestPointOnSegment(const Vector2D& a, const Vector2D& b, const Vector2D& p)
{
    Vector2D v = p - a;
    Vector2D u = b - a;
    float len = length(u);
    if (len != 0.0f) u = u / len;
    float segmentLength = distance(a, b);
    float t = dot(u, v);
    if (t > 0.0f && t < segmentLength) return a + u * t;
    if (t > 0.0f) return b;
    return a;
}
