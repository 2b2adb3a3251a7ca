#pragma once

#include "level/triangle_mapping.h"

struct Simulation;
struct WorldMarks;

/// The pictures a world is drawn with.
struct WorldTextures {
    /// Background and triangles (the current theme's, or the shown main-menu
    /// screen's picture); null draws the triangles as red outlines.
    const unsigned int* scene = nullptr;
    unsigned int ball = 0;  ///< the ball picture; 0 for none
};

/// Draws a running world in the current camera, back to front: background
/// and dimmed field (unless world.noBackdrop), frame, triangles (the scene
/// picture laid on them by mappings), exit, lines, ropes, balls and dock
/// points. Marked parts are lit (yellow, a hovered rope dim yellow); null
/// marks, or marks shorter than the world's lists, light nothing (there).
/// GL only, once per frame.
void drawWorld(const Simulation& world, const TriangleMappings& mappings, const WorldTextures& textures,
               const WorldMarks* marks = nullptr);
