#pragma once

/// The star a level earns when it is finished with at most its par of ropes
/// and no hint: a gold five-pointed star with a dark rim, of outer radius
/// `radius` pixels, centred on overlay pixel (x, y). GL only; leaves
/// texturing and blending off.
void drawStarIcon(float x, float y, float radius);
