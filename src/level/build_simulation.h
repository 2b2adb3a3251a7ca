#pragma once

#include "level/triangle_mapping.h"

struct Level;
struct Rope;
struct Simulation;
struct Vertex;
struct Vector2D;

/// Makes simulation a fresh running copy of level: its ropes, balls, lines,
/// triangles and dock points are replaced by copies of the level's (springs
/// rebuilt to join masses j and j + 1), size and exit
/// are copied. The level's theme is for the caller to apply (applyLevelTheme).
/// The triangles' texture coordinates, with small random offsets drawn with
/// rand(), go to mappings (one per triangle) when given; without, the same
/// numbers are drawn all the same. noBackdrop and the world's physics
/// settings are left as they were. Call after loading a level, outside drawing.
void buildSimulation(const Level& level, Simulation& simulation, TriangleMappings* mappings = nullptr);

/// Makes `rope` a fresh copy of the stored rope's body: its masses (position,
/// mass and pin; at rest) and springs rebuilt to join masses j and
/// j + 1 (a rest length beyond the last mass is dropped), not broken.
void copyRopeBody(const Rope& stored, Rope& rope);

/// Sets the texture coordinates of a triangle from its corners relative to
/// the play area's half-extent size, each corner jittered by two rand() draws
/// (x then y) of up to 0.033. Leaves them as they were when a component of
/// size is 0. Draws six numbers from rand() otherwise.
void computeTexCoords(const Vertex& triangle, const Vector2D& size, TriangleMapping& mapping);

/// Makes mappings one per triangle of the world (new ones all zero) and sets
/// every triangle's, in order, as computeTexCoords does.
void computeAllTexCoords(const Simulation& world, TriangleMappings& mappings);
