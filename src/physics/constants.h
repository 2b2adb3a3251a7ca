#pragma once

#include "physics/vector2d.h"

/// Every number of the physics model in one table. Behaviour depends on these
/// exact values (levels are tuned against them), so change none lightly.
/// Time is in the 10 ms frame unit, distances in world units with y up.

// Rope construction
inline constexpr float kRopePointMass = 1.0f;      ///< mass of every point addRope makes
inline constexpr double kRopePointSpacing = 0.35;  ///< world units between rope points (double: the step is a double quotient)
inline constexpr float kShortestRope = 0.1f;       ///< a rope must be longer than this
/// Most points of one rope, laid by addRope or read from a level file. Some
/// 180 units of rope: far beyond any play area; it keeps a hostile level (dock
/// points light-years apart) from stalling the game.
inline constexpr int kMaxRopePoints = 512;

// Springs
inline constexpr float kSpringStiffness = 1.0f;  ///< force equals the stretch
inline constexpr float kSpringDamping = 1.0f;    ///< force equals the whole relative velocity
inline constexpr float kSnapRatio = 3.0f;        ///< a spring longer than this times its rest length snaps

// Drag, applied every step as a force of minus this times the velocity
inline constexpr float kRopeDrag = 0.05f;
inline constexpr float kBallDrag = 0.01f;

// Contacts
inline constexpr float kWallStiffness = 50.0f;
inline constexpr float kLineStiffness = 30.0f;
inline constexpr float kBallToBallDrag = 0.03f;
inline constexpr float kRopeContactMargin = 0.05f;  ///< rope points reach this far beyond a ball's radius

/// Speed at which the play mode runs its world, relative to the editor and menus.
inline constexpr float kPlayTimeScale = 0.5f;

// The defaults of the settings a world carries (Simulation::gravity,
// maxBallSpeed, subSteps), which a level or a mode may change for its world.
/// Force per unit of mass applied to every rope point and ball once per step.
inline constexpr Vector2D kGravity{0.0f, -0.01f};
/// Per-axis speed box of a ball, world units per time unit.
inline constexpr float kMaxBallSpeed = 0.3f;
/// World steps per frame.
inline constexpr int kSubSteps = 3;
