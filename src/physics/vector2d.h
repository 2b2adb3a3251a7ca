#pragma once

/// The one vector type of the game: world positions, velocities, forces,
/// and pixel positions and sizes of widgets. Plain value, 32-bit floats.
struct Vector2D {
    float x = 0.0f;
    float y = 0.0f;

    constexpr Vector2D() = default;
    constexpr Vector2D(float x_, float y_) : x(x_), y(y_) {}

    Vector2D operator+(const Vector2D& b) const { return {x + b.x, y + b.y}; }
    Vector2D operator-(const Vector2D& b) const { return {x - b.x, y - b.y}; }
    Vector2D operator-() const { return {-x, -y}; }
    Vector2D operator*(float s) const { return {x * s, y * s}; }
    /// Division by exactly 0 gives (0, 0) instead of infinities.
    Vector2D operator/(float s) const
    {
        if (s == 0.0f) return {};
        return {x / s, y / s};
    }
    Vector2D& operator+=(const Vector2D& b)
    {
        x += b.x;
        y += b.y;
        return *this;
    }
    Vector2D& operator-=(const Vector2D& b)
    {
        x -= b.x;
        y -= b.y;
        return *this;
    }
};

/// Euclidean length, the square root taken in double precision.
float length(const Vector2D& a);
/// length(a - b).
float distance(const Vector2D& a, const Vector2D& b);
float dot(const Vector2D& a, const Vector2D& b);
/// The point of the segment a-b nearest to p; a when a equals b.
Vector2D closestPointOnSegment(const Vector2D& a, const Vector2D& b, const Vector2D& p);
