#pragma once

#include <optional>

#include "physics/simulation.h"
#include "physics/vector2d.h"

/// The part of the world seen right of the play panel, in world units.
struct ViewRect {
    float left = 0.0f, right = 0.0f, bottom = 0.0f, top = 0.0f;
    bool contains(const Vector2D& point, float pad) const
    {
        return point.x - pad >= left && point.x + pad <= right && point.y - pad >= bottom && point.y + pad <= top;
    }
};

/// Width of the play panel, overlay pixels: the view starts right of it.
inline constexpr float kPlayPanelWidth = 200.0f;
/// Room kept between what the start view frames and the edge of the view.
inline constexpr float kStartViewPad = 0.3f;
/// How far past the play area's edge the arrow keys may take the view.
inline constexpr float kViewMargin = 1.0f;

/// What a camera at `camera` shows right of the panel in a window of
/// width by height pixels (the mapping of the mouse, app/view.h: the visible
/// half-width is the same whatever the window, both axes scaled by the width).
ViewRect visibleRightOfPanel(const Vector2D& camera, int width, int height, float zoomOut = 1.0f);

/// Where the camera looks when a level starts: at ball 0, as long as ball 0,
/// every dock point and the exit are all seen right of the panel with it
/// there; otherwise moved from ball 0 just far enough that they are. When
/// they cannot all be seen at once, their middle is framed, moved as little
/// as keeps ball 0 in view. A world without balls frames docks and exit.
Vector2D startView(const Simulation& world, int width, int height);

/// An arrow at the edge of the view pointing the way to an exit out of sight,
/// in overlay pixels (y down).
struct ExitPointer {
    Vector2D tip;        ///< where the arrow's point is, inside the view
    Vector2D direction;  ///< unit length, from the view's middle towards the exit
};

/// Where to point at the exit from a camera at `camera`: nothing while its
/// middle is seen right of the panel; otherwise on the line from the middle of
/// that view to the exit, kExitPointerInset pixels inside the view's edge.
std::optional<ExitPointer> exitPointer(const Vector2D& camera, const Simulation& world, int width, int height,
                                       float zoomOut = 1.0f);
inline constexpr float kExitPointerInset = 24.0f;

/// The camera after the arrow keys moved it to `camera`: held so that the
/// view does not pass the play area's edge plus kViewMargin (or, for an
/// area smaller than the view, so that the area does not leave it); the
/// range always takes in `start`, so the start view never jumps.
Vector2D clampView(const Vector2D& camera, const Vector2D& start, const Simulation& world, int width, int height,
                   float zoomOut = 1.0f);
