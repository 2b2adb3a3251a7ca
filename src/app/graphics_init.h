#pragma once

/// Sets the fixed GL state (smooth shading, clear colour (0.5, 0.5, 1.0, 0.5),
/// depth test off, additive blend function). Runs with every new GL context;
/// the shell loads its textures afterwards.
void initGraphics();
