#pragma once

#include "physics/vector2d.h"

/// True when the mouse's pixel position lies in the rectangle from position
/// to position + (width, height), edges included. Reads mouse only.
bool mouseInside(const Vector2D& position, float width, float height);
