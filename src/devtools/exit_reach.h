#pragma once

struct Level;

/// Whether any ball of a level can get to its exit at all, judged on the
/// lines alone (walls of lines, not ropes, triangles or physics).
enum class ExitReach {
    kReachable,  ///< some ball's start connects to the exit
    kWalledIn,   ///< lines close the exit off from every ball
    kUndecided,  ///< no ball starts inside the play area (or on a free cell), or nothing can touch the exit
};

/// Finest grid step of the reach test, world units. Gaps between lines
/// narrower than about two steps may count as closed; a ball is far wider.
constexpr float kReachCellSize = 0.02f;
/// Most grid cells along one side; larger play areas get coarser cells, so a
/// huge area costs no more than a normal one.
constexpr int kMaxReachCells = 1000;

/// Flood-fills a grid laid over the play area (from -size to +size) from the
/// start of every ball inside it, through every cell no line crosses; the exit
/// is reachable when a reached cell comes closer to the exit than the exit
/// radius plus the largest ball radius (the play mode's completion distance).
/// A ball that sits on a line starts from the free cells under its body, and a
/// ball that starts inside the exit reaches it. A level without balls is
/// judged with the ball the play mode adds (radius 0.3 at the origin).
/// The play area must have a positive, finite size. Pure; cost bounded by
/// kMaxReachCells squared plus the lines' lengths in cells.
ExitReach reachExit(const Level& level);
