// The plot font: bitmap glyphs of the printable ASCII characters, 13 pixels
// per line, rendered from the system's sans font at 11 pixels by
// tools/glyph_baker.
#pragma once

#include <cstdint>
#include <string_view>

namespace parabel {

constexpr int kGlyphCellHeight = 13;

struct Glyph {
    std::uint8_t advance;                  // width of the character's cell
    std::uint16_t rows[kGlyphCellHeight];  // bit x set: column x is ink
};

// The glyph of a character; characters outside 0x20 .. 0x7E draw as '?'.
const Glyph& GlyphOf(char character);

// The width of a text's cell: the sum of its characters' advances.
int TextWidth(std::string_view text);

}  // namespace parabel
