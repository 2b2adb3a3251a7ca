#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "physics/constants.h"

struct Level;

/// Section numbers of a level file, in the order the editor writes them.
enum LevelSection {
    kSectionHeader = 0,     ///< {0} X size, {1} Y size, {2} description, {3} theme
    kSectionBalls = 1,      ///< [i] {0} x, {1} y, {2} radius, {3} mass, {4} held
    kSectionRopes = 2,      ///< [i] :j; {0} x, {1} y, {2} mass, {3} fixed, {4} rest length of spring j
    kSectionTriangles = 3,  ///< [i] :k; {0} x, {1} y of corner k
    kSectionDockPoints = 4, ///< [i] {0} x, {1} y
    kSectionExit = 5,       ///< {0} x, {1} y, {2} radius
    kSectionLines = 6,      ///< [i] {0} x1, {1} y1, {2} x2, {3} y2
};

/// Hard limits on what a level text can make the reader take. They bound both
/// memory and the work of a world step: with every accepted element piled on
/// one spot, a frame's three steps stay within a couple of milliseconds (see
/// the worst-accepted-level benchmark). The shipped levels use a small part
/// of each. An index or sub-index outside them (including every negative one)
/// drops its value instead of growing a list, and the cut is reported.
constexpr int kMaxLevelBalls = 32;
constexpr int kMaxLevelLines = 256;
constexpr int kMaxLevelTriangles = 1024;
constexpr int kMaxLevelDockPoints = 256;
constexpr int kMaxLevelRopes = 256;
/// Masses (and springs) of one rope: the longest rope addRope lays too.
constexpr int kMaxRopeMasses = kMaxRopePoints;
/// Masses plus springs of all ropes of a level together: one longest rope.
constexpr std::size_t kMaxLevelRopePoints = 1024;

/// What a level text asked for beyond the limits above, by kind; the reader
/// left it out.
struct LevelCuts {
    bool balls = false;
    bool lines = false;
    bool triangles = false;
    bool dockPoints = false;
    bool ropes = false;       ///< ropes beyond the limit of ropes
    bool ropePoints = false;  ///< points beyond one rope's or the level's limit
    bool any() const { return balls || lines || triangles || dockPoints || ropes || ropePoints; }
    /// "balls, rope points": the kinds that were cut, for a log line.
    std::string describe() const;
};

/// Reads a level text in the record grammar into level, without emptying it
/// first: lists grow to reach the indices named and the stored fields are
/// overwritten; sections and fields the format does not know are dropped.
/// Pure: no file access. Linear in the length of the text; never fails.
/// Returns what was left out for being beyond the limits.
LevelCuts parseLevel(std::string_view text, Level& level);
