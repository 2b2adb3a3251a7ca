#pragma once

#include "physics/vector2d.h"

struct Input;

/// True when the mouse's pixel position lies in the rectangle from position
/// to position + (width, height), edges included. Reads input.mouse only.
bool mouseInside(const Input& input, const Vector2D& position, float width, float height);
