#include "play/start_view.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/view.h"

namespace {

// The visible half-width in world units, whatever the window (as the mouse maps it).
constexpr float kHalfWidth = View::kHalfWidth;
// Room kept around ball 0 beyond its radius (it starts near the panel in
// many levels, and every unit there is one less towards the exit).
constexpr float kBallEdgePad = 0.1f;

struct Framed {
    Vector2D position;
    float pad;
};

/// Ball 0 and the dock points: what the player must see to place ropes.
std::vector<Framed> essentialPoints(const Simulation& world, float pad)
{
    std::vector<Framed> points;
    if (!world.balls.empty()) points.push_back({world.balls[0].position, world.balls[0].radius + std::min(pad, kBallEdgePad)});
    for (const DockPoint& dock : world.dockPoints) points.push_back({dock.position, pad});
    return points;
}

/// Moves `value` into [low, high]; for an empty range (low > high) to its middle.
float fitInto(float value, float low, float high)
{
    if (low > high) return (low + high) * 0.5f;
    return std::clamp(value, low, high);
}

/// The camera coordinate range along one axis that shows every framed point,
/// given the view's extent below (positive) and above the camera.
void cameraRange(const std::vector<Framed>& points, bool alongX, float below, float above, float& low, float& high)
{
    low = -1e30f;
    high = 1e30f;
    for (const Framed& point : points) {
        const float at = alongX ? point.position.x : point.position.y;
        low = std::max(low, at + point.pad - above);
        high = std::min(high, at - point.pad + below);
    }
}

/// The camera along one axis: at `anchor` if that shows everything; else
/// as near as it can be while showing ball 0 and the dock points, moved
/// towards the exit; with less room to spare when even they do not fit.
float frameAxis(const Simulation& world, bool alongX, float below, float above, float anchor)
{
    std::vector<Framed> exit{{world.exitPosition, world.exitRadius + kStartViewPad}};
    float exitLow, exitHigh;
    cameraRange(exit, alongX, below, above, exitLow, exitHigh);
    const float towardsExit = fitInto(anchor, exitLow, exitHigh);

    float low, high;
    cameraRange(essentialPoints(world, kStartViewPad), alongX, below, above, low, high);
    const float withExitLow = std::max(low, exitLow), withExitHigh = std::min(high, exitHigh);
    if (withExitLow <= withExitHigh) return fitInto(anchor, withExitLow, withExitHigh);
    // Less room around the dock points leaves more for the exit: enough, if
    // it can be had, for the exit's centre.
    for (float pad : {kStartViewPad * 0.5f, kStartViewPad / 6.0f}) {
        std::vector<Framed> points = essentialPoints(world, pad);
        points.push_back({world.exitPosition, 0.0f});
        cameraRange(points, alongX, below, above, low, high);
        if (low <= high) return fitInto(towardsExit, low, high);
    }
    std::vector<Framed> points = essentialPoints(world, 0.0f);
    cameraRange(points, alongX, below, above, low, high);
    if (low <= high) return fitInto(towardsExit, low, high);
    if (world.balls.empty()) return (low + high) * 0.5f;  // too far apart: their middle
    // Too far apart to be seen together: ball 0 and the dock points nearest
    // to it, as many as fit, seen as far towards the exit as they allow. A
    // dock point just behind the ball is one the player needs first.
    const auto along = [alongX](const Framed& point) { return alongX ? point.position.x : point.position.y; };
    const float ballAt = along(points.front());
    points = essentialPoints(world, kStartViewPad);
    std::stable_sort(points.begin() + 1, points.end(), [&](const Framed& a, const Framed& b) {
        return std::abs(along(a) - ballAt) < std::abs(along(b) - ballAt);
    });
    std::vector<Framed> seen{points.front()};
    for (std::size_t i = 1; i < points.size(); ++i) {
        seen.push_back(points[i]);
        float tryLow, tryHigh;
        cameraRange(seen, alongX, below, above, tryLow, tryHigh);
        if (tryLow > tryHigh) seen.pop_back();
    }
    cameraRange(seen, alongX, below, above, low, high);
    return fitInto(towardsExit, low, high);
}

}  // namespace

ViewRect visibleRightOfPanel(const Vector2D& camera, int width, int height, float zoomOut)
{
    const float halfWidth = kHalfWidth * zoomOut;
    const float w = static_cast<float>(std::max(width, 1));
    const float h = static_cast<float>(std::max(height, 1));
    const float unitsPerPixel = 2.0f * halfWidth / w;
    const float halfHeight = halfWidth * h / w;
    ViewRect rect;
    rect.left = camera.x - halfWidth + kPlayPanelWidth * unitsPerPixel;
    rect.right = camera.x + halfWidth;
    rect.bottom = camera.y - halfHeight;
    rect.top = camera.y + halfHeight;
    return rect;
}

Vector2D startView(const Simulation& world, int width, int height)
{
    const ViewRect atOrigin = visibleRightOfPanel(Vector2D(), width, height);
    const Vector2D anchor = world.balls.empty() ? world.exitPosition : world.balls[0].position;
    Vector2D camera(frameAxis(world, true, -atOrigin.left, atOrigin.right, anchor.x),
                    frameAxis(world, false, -atOrigin.bottom, atOrigin.top, anchor.y));

    // Whatever else, ball 0 itself stays in view.
    if (!world.balls.empty()) {
        const Ball& ball = world.balls[0];
        const float pad = ball.radius + kBallEdgePad;
        camera.x = fitInto(camera.x, ball.position.x + pad - atOrigin.right, ball.position.x - pad - atOrigin.left);
        camera.y = fitInto(camera.y, ball.position.y + pad - atOrigin.top, ball.position.y - pad - atOrigin.bottom);
    }
    return camera;
}

Vector2D clampView(const Vector2D& camera, const Vector2D& start, const Simulation& world, int width, int height,
                   float zoomOut)
{
    const ViewRect atOrigin = visibleRightOfPanel(Vector2D(), width, height, zoomOut);
    const float edgeX = world.size.x + kViewMargin;
    const float edgeY = world.size.y + kViewMargin;
    // The view's left edge may not pass the area's left edge, nor its right
    // edge the area's right edge. For an area narrower than the view the two
    // bounds swap and the area stays inside the view instead.
    const float aX = -edgeX - atOrigin.left;
    const float bX = edgeX - atOrigin.right;
    const float aY = -edgeY - atOrigin.bottom;
    const float bY = edgeY - atOrigin.top;
    const float lowX = std::min({aX, bX, start.x}), highX = std::max({aX, bX, start.x});
    const float lowY = std::min({aY, bY, start.y}), highY = std::max({aY, bY, start.y});
    return Vector2D(std::clamp(camera.x, lowX, highX), std::clamp(camera.y, lowY, highY));
}

std::optional<ExitPointer> exitPointer(const Vector2D& camera, const Simulation& world, int width, int height,
                                       float zoomOut)
{
    const ViewRect view = visibleRightOfPanel(camera, width, height, zoomOut);
    if (view.contains(world.exitPosition, 0.0f)) return std::nullopt;
    const float pixelsPerUnit = static_cast<float>(std::max(width, 1)) / (2.0f * kHalfWidth * zoomOut);
    const float inset = kExitPointerInset / pixelsPerUnit;
    const Vector2D middle((view.left + view.right) * 0.5f, (view.bottom + view.top) * 0.5f);
    const Vector2D toExit = world.exitPosition - middle;
    // The share of the way to the exit at which the line leaves the inset view.
    float share = 1.0f;
    const float halfX = std::max((view.right - view.left) * 0.5f - inset, 0.0f);
    const float halfY = std::max((view.top - view.bottom) * 0.5f - inset, 0.0f);
    if (std::fabs(toExit.x) > halfX) share = std::min(share, halfX / std::fabs(toExit.x));
    if (std::fabs(toExit.y) > halfY) share = std::min(share, halfY / std::fabs(toExit.y));
    const Vector2D tip = middle + toExit * share;
    const float length = std::hypot(toExit.x, toExit.y);
    if (!(length > 0.0f) || !std::isfinite(length)) return std::nullopt;
    ExitPointer pointer;
    // World to overlay pixels, as the mouse maps them back.
    pointer.tip = Vector2D((tip.x - camera.x) * pixelsPerUnit + static_cast<float>(width) * 0.5f,
                           (camera.y - tip.y) * pixelsPerUnit + static_cast<float>(height) * 0.5f);
    pointer.direction = Vector2D(toExit.x / length, -toExit.y / length);
    return pointer;
}
