#pragma once

#include <vector>

#include "physics/vector2d.h"

/// Texture name of "ball.bmp" (0 until a window has loaded it). The ball mesh
/// refers to this variable rather than copying it, so a texture re-created
/// with a new window is picked up by every existing ball.
extern unsigned int ballTexture;

/// The drawn ball: a unit circle cut into a fan of triangles, with texture
/// coordinates that map the texture's unit square onto the circle's bounding
/// square. Holds no GL state; drawing lives with the level drawing.
struct BallModel {
    struct Polygon {
        int vertexIndex[3] = {0, 0, 0};   ///< indices into vertices, one per corner
        int texCoordIndex[3] = {0, 0, 0}; ///< indices into texCoords, one per corner
    };

    std::vector<Vector2D> vertices;   ///< points on the unit circle
    std::vector<Vector2D> texCoords;  ///< one per vertex
    /// The texture bound when the mesh is drawn, by reference to its name
    /// variable; nullptr for none.
    const unsigned int* texture = nullptr;
    std::vector<Polygon> polygons;    ///< the triangles, counter-clockwise

    /// Appends a circle of n segments: n vertices, n texture coordinates and
    /// n - 2 triangles around vertex 0 at (1, 0). Does nothing when n is 0.
    void build(int n, const unsigned int& textureName);

    /// Draws the mesh at the current GL transform (centre of the ball, scaled
    /// by its radius): the ball texture, then, when overlay names a texture, the
    /// overlay at half strength moving with centre (world units) and size (the
    /// play area's half-extent). Call only with a current GL context.
    void draw(const unsigned int* overlay, Vector2D centre, Vector2D size) const;
};
