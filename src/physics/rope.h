#pragma once

#include <vector>

#include "physics/constants.h"
#include "physics/mass.h"
#include "physics/spring.h"
#include "physics/vector2d.h"

struct Simulation;

/// A chain of point masses joined by springs; spring j joins mass j and j + 1.
/// A rope is tied to nothing: its ends are pinned masses, not links to dock
/// points or balls.
struct Rope {
    bool broken = false;   ///< one spring has snapped; no other may snap
    std::vector<Mass> masses;
    std::vector<Spring> springs;

    /// One time step of dt units: every spring (which may snap), then gravity,
    /// drag and integration of each mass in turn. Called once per rope by
    /// Simulation::step, after this rope's ball contacts.
    void simulate(float dt, Vector2D gravity = kGravity);

    /// Applies spring i (a valid index into springs), after deciding whether it
    /// snaps: it does when the rope is not yet broken and it is stretched beyond
    /// three times its rest length. A spring that snaps still acts this once.
    void solveSpring(int i);
};

/// Lays a rope from a to b with a point every 0.35 world units, all points
/// pinned, and appends it to simulation.ropes (take the last rope to use it).
/// Adds nothing when a equals b or the two are 0.1 world units apart or closer.
void addRope(Vector2D a, Vector2D b, Simulation& simulation);
