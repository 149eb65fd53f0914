// Colour values as the program stores them, and the pixel colours they draw.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace parabel {

// A signed 32-bit colour value:
//   high byte 0     the RGB colour 0x00BBGGRR (red in the low byte)
//   negative        system colour number (value AND 0xFF)
//   anything else   (clNone 0x1FFFFFFF, clDefault 0x20000000, $12345678 ...)
using ColorValue = std::int32_t;

// A pixel: 0xFFRRGGBB, the layout of a 32-bit image in memory order B, G, R, A.
using Pixel = std::uint32_t;

constexpr Pixel kWhitePixel = 0xFFFFFFFF;
constexpr Pixel kBlackPixel = 0xFF000000;

constexpr Pixel PixelFromRgb(unsigned red, unsigned green, unsigned blue) {
    return 0xFF000000u | (red & 0xFF) << 16 | (green & 0xFF) << 8 | (blue & 0xFF);
}

// The colour value of red, green and blue (0 .. 255 each): 0x00BBGGRR, as a
// colour chooser's choice is kept.
constexpr ColorValue ColorFromRgb(unsigned red, unsigned green, unsigned blue) {
    return static_cast<ColorValue>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}

// "#rrggbb" (six hexadecimal digits, either case) as a colour value; nothing
// for any other text.
std::optional<ColorValue> ColorFromHex(std::string_view hex);

// The pixel's colour as "#rrggbb", lower case, as web pages and SVG write it.
std::string HexOfPixel(Pixel pixel);

// The system colours are numbered as on the platform the program was designed
// for (0 scroll bar ... 15 button face ... 30 menu bar). Each starts as the
// colour of the classic desktop scheme; the window layer replaces those that
// have a counterpart in the running toolkit's palette (button face, window,
// highlight, ...). Numbers without a colour (25, and 31 .. 255) draw black.
constexpr int kSystemColorCount = 31;
// The face of buttons and the background of dialogs and the full-screen
// window.
constexpr int kButtonFace = 15;
void SetSystemColor(int number, Pixel pixel);
Pixel SystemColor(int number);
void ResetSystemColors();

// The pixel a colour value draws: RGB values as they are, negative values as
// their system colour, and any other value black, the colour the platform's
// drawing gives an invalid colour.
Pixel ResolveColor(ColorValue value);

}  // namespace parabel
