#pragma once

#include <vector>

struct Rope;
struct Vector2D;
struct WorldMarks;

/// The rope selection shared by the play mode and the editor: which rope the
/// length slider, "Next"/"Prev" and "Remove" act on. The marks are fitted to
/// the ropes (WorldMarks::fit) before any of these is called.

/// Gives every spring of every selected rope the rest length `length`.
void setSelectedRopesLength(std::vector<Rope>& ropes, const WorldMarks& marks, float length);

/// The rope a step of `step` (+1 next, -1 previous) from the selection goes
/// to, among ropes first..last: the first selected rope in that range loses
/// its mark and the step is taken from it (from rope 0 when none is
/// selected), wrapping round at either end. Returns -1 when there is no rope;
/// the caller marks the rope it returns.
int stepRopeSelection(WorldMarks& marks, int first, int step);

/// Whether any segment between consecutive points of the rope passes closer
/// than `radius` to `point`.
bool isNearRope(const Rope& rope, const Vector2D& point, float radius);
