#include "color.h"

#include <array>

#include "core/ascii.h"

namespace parabel {

namespace {

// The classic desktop scheme, by system colour number.
constexpr std::array<Pixel, kSystemColorCount> kClassicScheme = {
    PixelFromRgb(212, 208, 200),  //  0 scroll bar
    PixelFromRgb(58, 110, 165),   //  1 desktop background
    PixelFromRgb(10, 36, 106),    //  2 active caption
    PixelFromRgb(128, 128, 128),  //  3 inactive caption
    PixelFromRgb(212, 208, 200),  //  4 menu
    PixelFromRgb(255, 255, 255),  //  5 window
    PixelFromRgb(0, 0, 0),        //  6 window frame
    PixelFromRgb(0, 0, 0),        //  7 menu text
    PixelFromRgb(0, 0, 0),        //  8 window text
    PixelFromRgb(255, 255, 255),  //  9 caption text
    PixelFromRgb(212, 208, 200),  // 10 active border
    PixelFromRgb(212, 208, 200),  // 11 inactive border
    PixelFromRgb(128, 128, 128),  // 12 application workspace
    PixelFromRgb(10, 36, 106),    // 13 highlight
    PixelFromRgb(255, 255, 255),  // 14 highlight text
    PixelFromRgb(212, 208, 200),  // 15 button face
    PixelFromRgb(128, 128, 128),  // 16 button shadow
    PixelFromRgb(128, 128, 128),  // 17 grey text
    PixelFromRgb(0, 0, 0),        // 18 button text
    PixelFromRgb(212, 208, 200),  // 19 inactive caption text
    PixelFromRgb(255, 255, 255),  // 20 button highlight
    PixelFromRgb(64, 64, 64),     // 21 3D dark shadow
    PixelFromRgb(212, 208, 200),  // 22 3D light
    PixelFromRgb(0, 0, 0),        // 23 info text
    PixelFromRgb(255, 255, 225),  // 24 info background
    PixelFromRgb(0, 0, 0),        // 25 (no colour)
    PixelFromRgb(0, 0, 128),      // 26 hot light
    PixelFromRgb(166, 202, 240),  // 27 gradient active caption
    PixelFromRgb(192, 192, 192),  // 28 gradient inactive caption
    PixelFromRgb(49, 106, 197),   // 29 menu highlight
    PixelFromRgb(212, 208, 200),  // 30 menu bar
};

std::array<Pixel, kSystemColorCount> g_systemColors = kClassicScheme;

}  // namespace

void SetSystemColor(int number, Pixel pixel) {
    if (number >= 0 && number < kSystemColorCount) {
        g_systemColors[number] = pixel | 0xFF000000u;
    }
}

Pixel SystemColor(int number) {
    return number >= 0 && number < kSystemColorCount ? g_systemColors[number] : kBlackPixel;
}

void ResetSystemColors() {
    g_systemColors = kClassicScheme;
}

std::optional<ColorValue> ColorFromHex(std::string_view hex) {
    if (hex.size() != 7 || hex[0] != '#') {
        return std::nullopt;
    }
    unsigned rgb = 0;
    for (const char c : hex.substr(1)) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        rgb = rgb << 4 | static_cast<unsigned>(digit);
    }
    return ColorFromRgb(rgb >> 16, rgb >> 8, rgb);
}

std::string HexOfPixel(Pixel pixel) {
    return "#" + ZeroPadded(pixel & 0xFFFFFF, 6, 16);
}

Pixel ResolveColor(ColorValue value) {
    const auto bits = static_cast<std::uint32_t>(value);
    if (value < 0) {
        return SystemColor(static_cast<int>(bits & 0xFF));
    }
    if ((bits & 0xFF000000u) != 0) {
        return kBlackPixel;
    }
    return PixelFromRgb(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

}  // namespace parabel
