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

std::optional<ColorValue> ReadCurveColor(std::string_view text) {
    if (const auto color = ColorFromHex(text)) {
        return color;
    }
    for (const CommonColor& color : kCommonColors) {
        if (EqualIgnoringAsciiCase(text, color.name)) {
            return ColorFromRgb(color.rgb >> 16, color.rgb >> 8, color.rgb);
        }
    }
    try {
        return TextToColor(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

}  // namespace parabel::cli
