#pragma once

#include <string>

#include "canvas.h"

namespace picgen {

/// Renders the game's font picture ("label.bmp", 256 by 512): 16 by 16 pixel
/// cells in character-code order, 16 to a row; the upper 16 rows hold the
/// masks (white, black where the letter and its outline are), the lower 16
/// rows the letters themselves (light on black). Codes 32 to 126 and 160 to
/// 255 get glyphs; other cells stay empty (white mask, black glyph). A sheet
/// two (or more) times as large in each direction gets the same layout drawn
/// at that scale, for windows that show the text magnified.
/// Returns false and sets `error` when the font file cannot be used.
bool renderFontSheet(const std::string& fontPath, Canvas& sheet, std::string& error);

} // namespace picgen
