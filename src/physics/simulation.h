#pragma once

#include <vector>

#include "physics/ball.h"
#include "physics/constants.h"
#include "physics/geometry.h"
#include "physics/rope.h"
#include "physics/vector2d.h"

/// One running level. Only ropes, balls and lines take part in the physics;
/// triangles, dock points and the exit are for drawing and the play mode.
struct Simulation {
    Vector2D size{2.0f, 2.0f};  ///< half-extent: walls at x = +-size.x, y = +-size.y
    bool noBackdrop = false;    ///< skip the background picture and dimmed field when drawn
    std::vector<Rope> ropes;
    std::vector<Ball> balls;
    std::vector<Line> lines;
    std::vector<Vertex> vertices;
    std::vector<DockPoint> dockPoints;
    Vector2D exitPosition;      ///< centre of the exit, world units
    float exitRadius = 0.3f;    ///< world units

    // The physics settings of this world; the defaults are the game's.
    Vector2D gravity = kGravity;        ///< force per unit of mass on every rope point and ball
    float maxBallSpeed = kMaxBallSpeed; ///< per-axis speed box of a ball
    int subSteps = kSubSteps;           ///< steps its owner runs per frame

    /// Advances the world by dt time units (10 ms each): ball contacts with
    /// walls, lines and other balls; then each rope's ball contacts and its own
    /// step; then every ball's gravity, drag and integration. Allocates nothing.
    /// Callers run it subSteps times per frame.
    void step(float dt);
};
