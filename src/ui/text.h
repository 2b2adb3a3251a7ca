#pragma once

#include <cstdint>
#include <string>

/// Text from the bitmap font picture "label.bmp": 256 by 512 pixels, 16 by 32
/// cells of 16 by 16 pixels, row 0 at the top. Cells 0-255 hold the masks and
/// cells 256-511 the glyphs, both in character-code order, 16 codes a row.
/// A character is drawn as its mask multiplied into the frame, then its
/// glyph added on top, so the text colour is the picture's own.

/// Glyph cell side in pixels of the picture.
constexpr int kFontCellSize = 16;

/// The texture text is drawn with: the shell loads "label.bmp" with every new
/// window and sets it here; 0 (no texture) until then. Setting it forgets any
/// large font picture.
void setFontTexture(std::uint32_t texture);
std::uint32_t fontTexture();

/// The same letters drawn at twice the size ("label2x.bmp", same layout), for
/// a picture shown magnified; 0 for none.
void setLargeFontTexture(std::uint32_t texture);

/// Draws text from then on with the font picture closer to how much the
/// picture is magnified on screen: the large one from 1.4 times (when there
/// is one), so text stays crisp in a big window or full screen.
void chooseFontForScale(float scale);

/// Texture coordinates (u, v) of the top-left corner of a cell of the picture.
struct GlyphCoord {
    float u = 0.0f;
    float v = 0.0f;
};

constexpr int kGlyphCellCount = 512;
/// Index of the first glyph cell; cell c (below it) is the mask of code c.
constexpr int kGlyphCellBase = 256;

/// Fills the glyph table. Called once at game start; needs no GL context.
void buildGlyphTable();

/// The table's entry for a cell number (0 to kGlyphCellCount - 1), as
/// buildGlyphTable filled it.
const GlyphCoord& glyphCoord(int cell);

/// Draws text at the current model-view position with square characters of
/// side size (current units), each advancing exactly size. Leaves the
/// model-view matrix advanced by the text's width. Returns false and draws
/// nothing, touching no GL state, when text is empty. GL drawing code only.
bool drawText(std::string text, float size);

/// text when it has at most `length` characters; else its first length - 2
/// followed by "..", so a cut is seen. No GL.
std::string cutToLength(const std::string& text, std::size_t length);

/// A verdict with the name it is about ("Unable to save " + name) in at most
/// `length` characters: the name is shortened, never the verdict, and left
/// out when not even a shortened one fits. No GL.
std::string verdictWithName(const std::string& verdict, const std::string& name, std::size_t length);

/// Draws text centred on (x, y) in pixels, ignoring the camera; meant for
/// overlay mode. Returns false and draws nothing when text is empty.
bool drawTextCentered(std::string text, float x, float y, float size);
