#pragma once

/// The game draws one picture of a fixed logical size; the window can be any
/// size. The picture is scaled to the largest size that fits the drawable,
/// its aspect ratio kept, centred, with plain bars around it.

inline constexpr int kLogicalWidth = 800;
inline constexpr int kLogicalHeight = 600;

/// A rectangle in drawable pixels, measured from the top-left corner.
struct PictureRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// The window in screen points and its GL drawable in pixels; they differ on
/// high-density displays.
struct WindowGeometry {
    int windowWidth = kLogicalWidth;
    int windowHeight = kLogicalHeight;
    int drawableWidth = kLogicalWidth;
    int drawableHeight = kLogicalHeight;
};

/// Where the logical picture lands in a drawable of that size. An empty
/// drawable (a minimised window) gives an empty rectangle.
PictureRect fitPicture(int drawableWidth, int drawableHeight);

struct LogicalPoint {
    int x = 0;
    int y = 0;
};

/// A window position in screen points mapped to a logical pixel of the
/// picture. Positions over the bars, or outside the window altogether (a drag
/// held beyond its edge), give the nearest pixel of the picture's edge, so the
/// result is always inside 0..kLogicalWidth-1 by 0..kLogicalHeight-1.
LogicalPoint windowToLogical(int x, int y, const WindowGeometry& geometry);
