#pragma once

#include <string>

#include "canvas.h"

namespace picgen {

/// The game's desktop icon: the shaded ball lying in a rope that hangs
/// between two dock points, on a rounded tile of the play mode's sky.
/// `alpha` gets one opacity per pixel (row 0 at the top): the tile's shape.
Canvas makeIconPicture(int side, std::vector<float>& alpha);

/// The same icon as an SVG document, for the scalable icon folder.
std::string makeIconSvg();

/// Writes an RGBA PNG (8 bits a channel, deflated by zlib); false when the
/// file cannot be written.
bool savePng(const Canvas& picture, const std::vector<float>& alpha, const std::string& path);

} // namespace picgen
