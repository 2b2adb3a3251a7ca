#pragma once

#include <cstddef>
#include <string_view>

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

/// Hard limits on what a level text can make the reader allocate. An index or
/// sub-index outside them (including every negative one) drops its value
/// instead of growing a list, so no file, however large or hostile, can grow
/// a list without bound.
constexpr int kMaxLevelElements = 10000;       ///< per list: lines, balls, ropes, ...
constexpr int kMaxRopeMasses = 10000;          ///< masses (and springs) of one rope
constexpr std::size_t kMaxLevelRopePoints = 1000000;  ///< masses plus springs of all ropes

/// Reads a level text in the record grammar into level, without emptying it
/// first: lists grow to reach the indices named and the stored fields are
/// overwritten; sections and fields the format does not know are dropped.
/// Pure: no file access. Linear in the length of the text; never fails.
void parseLevel(std::string_view text, Level& level);
