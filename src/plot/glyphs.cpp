#include "glyphs.h"

namespace parabel {

namespace {

const Glyph kGlyphs[] = {
#include "glyph_table.inc"
};

static_assert(sizeof kGlyphs / sizeof kGlyphs[0] == 0x7F - 0x20);

}  // namespace

const Glyph& GlyphOf(char character) {
    const auto code = static_cast<unsigned char>(character);
    return code >= 0x20 && code <= 0x7E ? kGlyphs[code - 0x20] : kGlyphs['?' - 0x20];
}

int TextWidth(std::string_view text) {
    int width = 0;
    for (char character : text) {
        width += GlyphOf(character).advance;
    }
    return width;
}

}  // namespace parabel
