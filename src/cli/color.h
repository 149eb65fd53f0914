// The curve colour of parabel-cli plot as a user writes it.
#pragma once

#include <optional>
#include <string_view>

#include "plot/color.h"

namespace parabel::cli {

struct CommonColor {
    const char* name;
    unsigned rgb;  // 0xRRGGBB, as the CSS colour of that name
};

// The common colour names taken besides the program's own, with the RGB
// values CSS (and Qt) give them.
extern const CommonColor kCommonColors[22];

// A colour as --color takes it, tried in this order:
//   #rrggbb                 hexadecimal red, green, blue
//   a common name           red, green, blue, ... (kCommonColors), any case
//   the settings file form  clRed, clBtnFace, ... or a number ($00FF0000,
//                           16711680), as TextToColor reads it
// Nothing when the text is none of these.
std::optional<ColorValue> ReadCurveColor(std::string_view text);

}  // namespace parabel::cli
