#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "image/bmp_image.h"

/// Loads a BMP file of the game's data (found by findGameFile) into a new
/// linear-filtered 2D texture of the current GL
/// context and returns its name; 0 (no texture) on any failure. A null name or
/// a file that cannot be opened gives 0 with no message; a file that cannot be
/// decoded gives 0 after loadDIBImage has shown why. Call only with a current
/// GL context (after the window is created); every new context needs its
/// textures loaded again.
std::uint32_t loadTexture(const char* name);
std::uint32_t loadTexture(const std::string& name);

/// Reads and decodes a BMP file into packed 24-bit RGB, bottom row first.
/// On failure shows the reason in a message box captioned "Error" and returns
/// nothing. Needs no GL context.
std::optional<RGBImage> loadDIBImage(const std::string& name);
