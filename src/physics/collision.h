#pragma once

struct Ball;
struct Rope;
struct Simulation;

/// The four contact stages. Contacts are soft: each only adds forces to the
/// bodies' accumulators and keeps no state between steps; nothing moves until
/// the bodies are integrated. Only balls take part.

/// Walls of the play area (simulation.size): for each wall the ball overlaps,
/// cancels the velocity component moving into it and adds a penalty of 50
/// times the depth. A ball exactly touching a wall gets nothing.
void collideWithBounds(Ball& ball, const Simulation& simulation);

/// Every line within the ball's radius (touching counts) adds a bounce force
/// scaled by the speed along each axis and a penalty of 30 * (r - d) along the
/// offset from the line.
void collideWithLines(Ball& ball, const Simulation& simulation);

/// Ball i against balls i, i + 1, ..., last. Ball i is paired with itself too,
/// which gives it a drag of twice the ball-to-ball drag every step.
void collideBalls(int i, Simulation& simulation);

/// Every ball against every point of one rope of the simulation; a point
/// within radius + 0.05 of a ball's centre pushes both apart.
void collideBallsWithRopes(Rope& rope, Simulation& simulation);
