#pragma once

#include <vector>

#include "physics/vector2d.h"

/// The drawn ball: a unit circle cut into a fan of triangles, with texture
/// coordinates that map the texture's unit square onto the circle's bounding
/// square. Every ball is drawn with the same mesh, scaled by its radius.
struct BallMesh {
    struct Polygon {
        int vertexIndex[3] = {0, 0, 0};   ///< indices into vertices, one per corner
        int texCoordIndex[3] = {0, 0, 0}; ///< indices into texCoords, one per corner
    };

    std::vector<Vector2D> vertices;   ///< points on the unit circle
    std::vector<Vector2D> texCoords;  ///< one per vertex
    std::vector<Polygon> polygons;    ///< the triangles, counter-clockwise

    /// Appends a circle of n segments: n vertices, n texture coordinates and
    /// n - 2 triangles around vertex 0 at (1, 0). Does nothing when n is 0.
    void build(int n);

    /// Draws the mesh at the current GL transform (centre of the ball, scaled
    /// by its radius): `texture` (the ball picture), then, when overlay names
    /// a texture, the overlay at half strength moving with centre (world
    /// units) and size (the play area's half-extent). GL only.
    void draw(unsigned int texture, const unsigned int* overlay, Vector2D centre, Vector2D size) const;
};

/// Segments of the mesh every ball is drawn with.
inline constexpr int kBallMeshSegments = 20;
/// Degrees to radians as the ball mesh has always used it: a little short of
/// pi / 180, which is why the top vertex is not exactly at x = 0.
inline constexpr double kDegreesToRadians = 0.017453;

/// The mesh of kBallMeshSegments that world drawing uses, built on first use.
const BallMesh& ballMesh();
