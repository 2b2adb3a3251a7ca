#pragma once

#include "app/picture_fit.h"
#include "physics/vector2d.h"

/// How the game looks at its world: the camera, the logical picture it is
/// drawn into, and the one mapping between world units and that picture's
/// pixels. The shell owns the game's one View; the modes move its camera in
/// their updates, and whoever draws or maps the pointer is handed it.

/// Where the camera starts, and where the main menu holds it.
inline constexpr Vector2D kStartCamera{-1.3f, 0.0f};
/// z translation of the world view.
inline constexpr float kCameraDepth = -10.0f;

/// The zooms the wheel steps through, from the start view out.
inline constexpr float kZoomSteps[] = {1.0f, 1.5f, 2.0f, 3.0f, 4.0f, 6.0f};

struct View {
    /// Half the picture's width in world units (160/29), whatever the
    /// picture's size; both axes are scaled by the width. Kept in extended
    /// precision for the pointer mapping.
    static constexpr long double kHalfWidthExact = 5.517241379310345L;
    static constexpr float kHalfWidth = static_cast<float>(kHalfWidthExact);

    /// World point drawn at the centre of the picture.
    Vector2D cameraOffset = kStartCamera;
    /// cameraOffset before the last update (after a jump, as it is): the
    /// play mode is drawn between the two.
    Vector2D previousCamera = kStartCamera;
    /// How far the camera of the picture last drawn stood from cameraOffset;
    /// the pointer maps to the world through the picture the player sees.
    Vector2D drawnCameraShift;
    int width = kLogicalWidth;   ///< the logical picture, pixels
    int height = kLogicalHeight;
    /// Of a picture being drawn: how far it stands from the update before
    /// the last (0) to the last (1).
    float blend = 1.0f;
    /// How many times more of the world the picture shows than at the start
    /// view: 1 there, 2 for an overview twice as wide and high. The world is
    /// seen from that much farther away; the overlay is not scaled.
    float zoomOut = 1.0f;

    /// Half the picture's width in world units at the current zoom.
    float halfWidth() const { return kHalfWidth * zoomOut; }
    /// Picture pixels per world unit.
    float pixelsPerUnit() const { return static_cast<float>(width) / (2.0f * halfWidth()); }
    /// The picture pixel (y down) at which world point `at` is drawn.
    Vector2D toPicture(const Vector2D& at) const;

    /// Steps the zoom by wheel notches (positive, away from the player, goes
    /// back in) through kZoomSteps, no farther out than the first step that
    /// reaches `widest`, keeping world point `pivot` where it is in the
    /// picture. Returns whether the zoom changed.
    bool zoomBy(int notches, const Vector2D& pivot, float widest);

    /// The world position of picture pixel (x, y), y down, through the
    /// picture last drawn: the centre pixel maps to its camera. Evaluated in
    /// extended precision.
    Vector2D toWorld(int x, int y) const;
};
