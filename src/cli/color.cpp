#include "color.h"

#include "core/ascii.h"
#include "core/errors.h"
#include "io/color_names.h"

namespace parabel::cli {

const CommonColor kCommonColors[22] = {
    {"black", 0x000000},   {"white", 0xFFFFFF},   {"red", 0xFF0000},  {"green", 0x008000},
    {"blue", 0x0000FF},    {"yellow", 0xFFFF00},  {"cyan", 0x00FFFF}, {"aqua", 0x00FFFF},
    {"magenta", 0xFF00FF}, {"fuchsia", 0xFF00FF}, {"gray", 0x808080}, {"grey", 0x808080},
    {"silver", 0xC0C0C0},  {"maroon", 0x800000},  {"navy", 0x000080}, {"olive", 0x808000},
    {"purple", 0x800080},  {"teal", 0x008080},    {"lime", 0x00FF00}, {"orange", 0xFFA500},
    {"brown", 0xA52A2A},   {"pink", 0xFFC0CB},
};

namespace {

// The colour value of an RGB triple: 0x00BBGGRR, red in the low byte.
ColorValue FromRgb(unsigned rgb) {
    return static_cast<ColorValue>((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
}

std::optional<unsigned> ReadHexRgb(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') {
        return std::nullopt;
    }
    unsigned rgb = 0;
    for (const char c : text.substr(1)) {
        const char lower = LowerAscii(c);
        int digit = -1;
        if (lower >= '0' && lower <= '9') {
            digit = lower - '0';
        } else if (lower >= 'a' && lower <= 'f') {
            digit = lower - 'a' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        rgb = rgb << 4 | static_cast<unsigned>(digit);
    }
    return rgb;
}

}  // namespace

std::optional<ColorValue> ReadCurveColor(std::string_view text) {
    if (const auto rgb = ReadHexRgb(text)) {
        return FromRgb(*rgb);
    }
    for (const CommonColor& color : kCommonColors) {
        if (EqualIgnoringAsciiCase(text, color.name)) {
            return FromRgb(color.rgb);
        }
    }
    try {
        return TextToColor(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

}  // namespace parabel::cli
