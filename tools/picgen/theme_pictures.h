#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace picgen {

/// A theme picture: tiles seamlessly (the level background and the triangles
/// repeat it), mid-toned so black and white lines and tinted balls read on it.
struct ThemePicture {
    std::string name;  ///< file name without folder and extension
    Canvas picture;
};

/// Every theme the generator makes, 256 by 256 each: sky, stone, wood, night, ice.
std::vector<ThemePicture> makeThemePictures();

/// Draws a disc at (x, y) and at its copies one picture width or height away,
/// so shapes near an edge continue on the opposite side.
void wrappedDisc(Canvas& canvas, float x, float y, float radius, Color c, float opacity);

} // namespace picgen
