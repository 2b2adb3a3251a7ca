#pragma once

#include <string>
#include <string_view>

struct Simulation;

/// The edited world as a compact string of bytes: every stored field of every
/// rope, mass, spring, ball, line, triangle and dock point, the play area and
/// the exit, bit for bit (velocities, pins and selection marks included), so
/// that restoring it gives back exactly the world that was captured. Two
/// captures are equal exactly when the worlds are. The world's drawing flag
/// and physics settings (gravity, speed cap, sub-steps) are not part of it.
/// Pure.
std::string captureWorld(const Simulation& world);

/// Puts a captured world back into world. Returns false, leaving world as it was, for bytes captureWorld did
/// not make.
bool restoreWorld(std::string_view bytes, Simulation& world);
