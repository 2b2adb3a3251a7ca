#include "devtools/exit_reach.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "level/level.h"

namespace {

/// The radius and place of the ball the play mode adds to a level without one.
constexpr float kSubstituteBallRadius = 0.3f;

/// Cells of the play area; true where a line runs through.
class ReachGrid {
public:
    ReachGrid(float halfWidth, float halfHeight)
        : left_(-halfWidth), bottom_(-halfHeight)
    {
        const double longest = 2.0 * std::max(halfWidth, halfHeight);
        cell_ = std::max<double>(kReachCellSize, longest / kMaxReachCells);
        columns_ = std::clamp(static_cast<int>(std::ceil(2.0 * halfWidth / cell_)), 1, kMaxReachCells);
        rows_ = std::clamp(static_cast<int>(std::ceil(2.0 * halfHeight / cell_)), 1, kMaxReachCells);
        width_ = 2.0 * halfWidth;
        height_ = 2.0 * halfHeight;
        blocked_.assign(static_cast<std::size_t>(columns_) * rows_, 0);
    }

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    double cell() const { return cell_; }
    int index(int column, int row) const { return row * columns_ + column; }
    bool blocked(int column, int row) const { return blocked_[index(column, row)] != 0; }

    /// The cell holding world x (clamped, so the far edge belongs to the last cell).
    int columnAt(double x) const { return std::clamp(static_cast<int>(std::floor((x - left_) / cell_)), 0, columns_ - 1); }
    int rowAt(double y) const { return std::clamp(static_cast<int>(std::floor((y - bottom_) / cell_)), 0, rows_ - 1); }

    /// Distance from cell (column, row) to point (x, y); 0 inside the cell.
    double distanceTo(int column, int row, double x, double y) const
    {
        const double x0 = left_ + column * cell_, y0 = bottom_ + row * cell_;
        const double dx = std::max({x0 - x, 0.0, x - (x0 + cell_)});
        const double dy = std::max({y0 - y, 0.0, y - (y0 + cell_)});
        return std::sqrt(dx * dx + dy * dy);
    }

    /// Marks every cell the segment a-b passes through. Sampling at a quarter
    /// cell never skips a cell along an axis; where the path steps diagonally
    /// it went through one of the two side cells or their shared corner, so
    /// both are marked: a wall may close a hair too early, never leak.
    void blockSegment(double ax, double ay, double bx, double by)
    {
        if (!clip(ax, ay, bx, by)) return;
        const double length = std::hypot(bx - ax, by - ay);
        const int steps = static_cast<int>(std::ceil(length / (cell_ * 0.25))) + 1;
        int lastColumn = columnAt(ax), lastRow = rowAt(ay);
        block(lastColumn, lastRow);
        for (int i = 1; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            const int column = columnAt(ax + (bx - ax) * t), row = rowAt(ay + (by - ay) * t);
            if (column != lastColumn && row != lastRow) {
                block(column, lastRow);
                block(lastColumn, row);
            }
            block(column, row);
            lastColumn = column;
            lastRow = row;
        }
    }

private:
    void block(int column, int row) { blocked_[index(column, row)] = 1; }

    /// Cuts the segment to the play area (Liang-Barsky); false when it misses.
    bool clip(double& ax, double& ay, double& bx, double& by) const
    {
        double t0 = 0.0, t1 = 1.0;
        const double dx = bx - ax, dy = by - ay;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {ax - left_, left_ + width_ - ax, ay - bottom_, bottom_ + height_ - ay};
        for (int k = 0; k < 4; ++k) {
            if (p[k] == 0.0) {
                if (q[k] < 0.0) return false;
                continue;
            }
            const double t = q[k] / p[k];
            if (p[k] < 0.0) t0 = std::max(t0, t);
            else t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
        const double sx = ax, sy = ay;
        ax = sx + dx * t0;
        ay = sy + dy * t0;
        bx = sx + dx * t1;
        by = sy + dy * t1;
        return true;
    }

    double left_, bottom_, width_ = 0.0, height_ = 0.0, cell_ = kReachCellSize;
    int columns_ = 1, rows_ = 1;
    std::vector<std::uint8_t> blocked_;
};

bool finite(const Vector2D& v) { return std::isfinite(v.x) && std::isfinite(v.y); }

bool insideArea(const Vector2D& p, const Vector2D& size)
{
    return finite(p) && std::fabs(p.x) <= size.x && std::fabs(p.y) <= size.y;
}

/// The free cells a ball starts from: its centre's cell, or, when a line runs
/// through that cell, every free cell under the ball's body, since the ball is
/// pushed off the line to one side or the other.
void seedBall(const ReachGrid& grid, const Ball& ball, std::vector<std::uint8_t>& reached, std::vector<int>& queue)
{
    const double x = ball.position.x, y = ball.position.y;
    auto seed = [&](int column, int row) {
        const int i = grid.index(column, row);
        if (grid.blocked(column, row) || reached[i]) return;
        reached[i] = 1;
        queue.push_back(i);
    };
    const int column = grid.columnAt(x), row = grid.rowAt(y);
    if (!grid.blocked(column, row)) {
        seed(column, row);
        return;
    }
    const double radius = std::isfinite(ball.radius) ? std::max<double>(ball.radius, 0.0) : 0.0;
    for (int r = grid.rowAt(y - radius); r <= grid.rowAt(y + radius); ++r)
        for (int c = grid.columnAt(x - radius); c <= grid.columnAt(x + radius); ++c)
            if (grid.distanceTo(c, r, x, y) <= radius) seed(c, r);
}

}  // namespace

ExitReach reachExit(const Level& level)
{
    const Vector2D size = level.size;
    if (!finite(size) || size.x <= 0.0f || size.y <= 0.0f) return ExitReach::kUndecided;

    // The balls that start inside the area, or the play mode's own ball.
    std::vector<Ball> starts;
    if (level.balls.empty()) {
        starts.emplace_back();
        starts.back().radius = kSubstituteBallRadius;
        starts.back().position = Vector2D(0.0f, 0.0f);
    }
    for (const Ball& ball : level.balls)
        if (insideArea(ball.position, size)) starts.push_back(ball);
    if (starts.empty()) return ExitReach::kUndecided;

    // Any ball may finish the level, so the widest one sets the reach.
    double touch = level.exitRadius;
    double widest = 0.0;
    for (const Ball& ball : starts)
        if (std::isfinite(ball.radius)) widest = std::max<double>(widest, ball.radius);
    touch += widest;
    if (!finite(level.exitPosition) || !std::isfinite(touch) || touch <= 0.0) return ExitReach::kUndecided;

    ReachGrid grid(size.x, size.y);
    for (const Line& line : level.lines)
        if (finite(line.ends[0]) && finite(line.ends[1]))
            grid.blockSegment(line.ends[0].x, line.ends[0].y, line.ends[1].x, line.ends[1].y);

    std::vector<std::uint8_t> reached(static_cast<std::size_t>(grid.columns()) * grid.rows(), 0);
    std::vector<int> queue;
    for (const Ball& ball : starts) seedBall(grid, ball, reached, queue);
    // Lines through every cell under every ball: too fine for this grid to say.
    if (queue.empty()) return ExitReach::kUndecided;

    const double exitX = level.exitPosition.x, exitY = level.exitPosition.y;
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const int column = queue[next] % grid.columns(), row = queue[next] / grid.columns();
        // Strictly closer, as the play mode's exit test.
        if (grid.distanceTo(column, row, exitX, exitY) < touch) return ExitReach::kReachable;
        const int neighbours[4][2] = {{column - 1, row}, {column + 1, row}, {column, row - 1}, {column, row + 1}};
        for (const auto& [c, r] : neighbours) {
            if (c < 0 || r < 0 || c >= grid.columns() || r >= grid.rows()) continue;
            const int i = grid.index(c, r);
            if (reached[i] || grid.blocked(c, r)) continue;
            reached[i] = 1;
            queue.push_back(i);
        }
    }
    return ExitReach::kWalledIn;
}
