#pragma once

#include "physics/vector2d.h"

/// The fixed elements of a level. Their stored fields come first (what a level
/// file carries); what follows them exists only in a running world.

/// A solid segment that balls collide with.
struct Line {
    Vector2D ends[2]; ///< first end, second end (world units)
};

/// A whole filled triangle (not a point): drawn only, it collides with nothing.
struct Vertex {
    Vector2D corners[3]; ///< world units
};

/// A point between which and another the player may hang a rope.
struct DockPoint {
    Vector2D position; ///< world units
};
