#pragma once

#include <string>
#include <string_view>

#include "level/triangle_mapping.h"

struct Simulation;
struct WorldMarks;

/// The edited world and its marks as a compact string of bytes: every stored
/// field of every rope, mass, spring, ball, line, triangle (with its picture
/// mapping) and dock point, the play area and the exit, bit for bit
/// (velocities and pins included), each element with its marks (marks and
/// mappings the lists do not reach count as unmarked and all zero), so
/// that restoring it gives back exactly the world and selection that were
/// captured. Two captures are equal exactly when the worlds and their marks
/// are. The world's drawing flag and physics settings (gravity, speed cap,
/// sub-steps) are not part of it. Pure.
std::string captureWorld(const Simulation& world, const WorldMarks& marks, const TriangleMappings& mappings);

/// Puts a captured world back into world, its marks into marks and its
/// triangles' mappings into mappings (both fitted to it). Returns false,
/// leaving all three as they were, for bytes captureWorld did not make.
bool restoreWorld(std::string_view bytes, Simulation& world, WorldMarks& marks, TriangleMappings& mappings);
