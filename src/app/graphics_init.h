#pragma once

/// Sets the fixed GL state (smooth shading, clear colour (0.5, 0.5, 1.0, 0.5),
/// depth test off, additive blend function) and loads the textures the shell
/// owns, in their fixed order. Runs with every new GL context, so the textures
/// are made anew after each full-screen toggle. Always returns true; a missing
/// picture leaves texture 0 in its place.
bool initGraphics();
