#pragma once

#include "canvas.h"

namespace picgen {

/// "ball.bmp", 128 by 128: a shaded sphere filling the square, light grey so
/// that the white and yellow tints of the ball both read, and mid-toned so the
/// theme picture added over it at half strength does not wash it out.
Canvas makeBallPicture();

/// "slidemenu.bmp", 128 by 512: the editor's side panel, stretched over a
/// column of the window; dark brushed slate with a bevelled right edge.
Canvas makePanelPicture();

/// A rope hanging between two points, drawn as a sagging curve of the given
/// width; used by the menu pictures.
void drawRope(Canvas& canvas, float x0, float y0, float x1, float y1, float sag, float width,
              Color color, float opacity);

} // namespace picgen
