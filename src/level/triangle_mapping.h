#pragma once

#include <cstddef>
#include <vector>

#include "physics/vector2d.h"

/// Where the theme picture lies on one triangle: a texture coordinate per
/// corner, worked out from the corners when the world is set up (drawing data,
/// nothing the world's step reads).
struct TriangleMapping {
    Vector2D texCoords[3];
};

/// The mappings of a world's triangles, index for index with world.vertices,
/// kept beside the world by whoever draws it.
using TriangleMappings = std::vector<TriangleMapping>;

/// The mapping of triangle i; a triangle the list does not reach yet (one the
/// editor is still placing) has the all-zero mapping of a new triangle.
inline TriangleMapping mappingOf(const TriangleMappings& mappings, std::size_t i)
{
    return i < mappings.size() ? mappings[i] : TriangleMapping{};
}
