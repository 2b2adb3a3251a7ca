#include "app/picture_fit.h"

#include <algorithm>
#include <cmath>

PictureRect fitPicture(int drawableWidth, int drawableHeight)
{
    if (drawableWidth <= 0 || drawableHeight <= 0) return {};
    const double scale = std::min(static_cast<double>(drawableWidth) / kLogicalWidth,
                                  static_cast<double>(drawableHeight) / kLogicalHeight);
    PictureRect rect;
    // The side that sets the scale fills the drawable exactly; the other is
    // rounded and never exceeds it.
    rect.width = std::clamp(static_cast<int>(std::lround(kLogicalWidth * scale)), 1, drawableWidth);
    rect.height = std::clamp(static_cast<int>(std::lround(kLogicalHeight * scale)), 1, drawableHeight);
    rect.x = (drawableWidth - rect.width) / 2;
    rect.y = (drawableHeight - rect.height) / 2;
    return rect;
}

namespace {

/// One axis: screen points to drawable pixels, then into the picture, then
/// clamped to its pixels.
int toLogical(int position, int windowSize, int drawableSize, int rectStart, int rectSize, int logicalSize)
{
    if (rectSize <= 0) return 0;
    const double density = windowSize > 0 ? static_cast<double>(drawableSize) / windowSize : 1.0;
    const double pixel = (static_cast<double>(position) + 0.5) * density;
    const double logical = std::floor((pixel - rectStart) * logicalSize / rectSize);
    return static_cast<int>(std::clamp(logical, 0.0, static_cast<double>(logicalSize - 1)));
}

} // namespace

LogicalPoint windowToLogical(int x, int y, const WindowGeometry& geometry)
{
    const PictureRect rect = fitPicture(geometry.drawableWidth, geometry.drawableHeight);
    return {toLogical(x, geometry.windowWidth, geometry.drawableWidth, rect.x, rect.width, kLogicalWidth),
            toLogical(y, geometry.windowHeight, geometry.drawableHeight, rect.y, rect.height, kLogicalHeight)};
}
