// Both plots from arbitrary coefficient and root bit patterns at arbitrary
// screen sizes, as far as the drawing arithmetic lets them.
//
// Input, zero-padded to 57 bytes:
//   0 .. 29   a, b, c: 80-bit patterns, made finite and canonical
//   30 .. 45  root1, root2: any double patterns (NaN and infinities too)
//   46 .. 48  the screen: width 1 .. 65535 from two bytes, height 1 .. 100
//   49 .. 52  the curve colour value (any 32 bits)
//   53        bit 0: the screen has changed since the full-screen surface was
//             made; the drawing then uses the screen of bytes 54 .. 56
//             (read as bytes 46 .. 48 are)
//
// Properties:
// - DrawPlot and DrawFullScreenPlot raise nothing but arithmetic faults
//   (ArithmeticError); anything else escapes and aborts.
// - No pixel outside a surface or in the wrong place inside it: each surface
//   equals the same drawing on a larger surface, cropped (for full-screen
//   surfaces up to 2048 pixels wide; wider ones rely on the sanitizers).
// - Both pictures have their frame's size and show their surface at its place.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "bit_patterns.h"
#include "core/errors.h"
#include "cropped_drawing.h"
#include "fuzz_check.h"
#include "picture_check.h"
#include "plot/full_screen_plot.h"
#include "plot/main_plot.h"
#include "plot/picture.h"

namespace parabel::fuzz {
namespace {

constexpr int kMargin = 64;
constexpr int kWidestCompared = 2048;
constexpr Pixel kWindowBackground = 0xFFD4D0C8;

struct Drawing {
    PlotState main;
    ScreenSize created;  // the screen the full-screen surface was made for
    ScreenSize drawn;    // the screen the drawing reads
};

// Width 1 .. 65535 from two bytes, height 1 .. 100 from the third.
ScreenSize ScreenFromBytes(const std::uint8_t* bytes) {
    const int width = bytes[0] | bytes[1] << 8;
    return {1 + width % 65535, 1 + bytes[2] % 100};
}

Drawing Decode(const std::uint8_t* data, std::size_t size) {
    std::uint8_t bytes[57] = {};
    std::memcpy(bytes, data, std::min(size, sizeof bytes));
    Drawing drawing;
    drawing.main.a = FiniteExtendedFromBytes(bytes);
    drawing.main.b = FiniteExtendedFromBytes(bytes + 10);
    drawing.main.c = FiniteExtendedFromBytes(bytes + 20);
    drawing.main.root1 = DoubleFromBytes(bytes + 30);
    drawing.main.root2 = DoubleFromBytes(bytes + 38);
    drawing.created = ScreenFromBytes(bytes + 46);
    std::int32_t color;
    std::memcpy(&color, bytes + 49, 4);
    drawing.main.curveColor = color;
    drawing.drawn = drawing.created;
    if ((bytes[53] & 1) != 0) {
        drawing.drawn = ScreenFromBytes(bytes + 54);
    }
    return drawing;
}

std::string Describe(const Drawing& drawing) {
    return "screen " + std::to_string(drawing.drawn.width) + "x" +
           std::to_string(drawing.drawn.height) + " on a surface for " +
           std::to_string(drawing.created.width) + "x" + std::to_string(drawing.created.height);
}

void CheckPlaced(const Picture& picture, const RasterSurface& surface, int left, int top) {
    Check(picture.pixels.size() ==
              static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height),
          "picture pixel count does not match its size");
    Check(ShowsSurface(picture, surface, left, top), "the picture does not show its surface");
}

void DrawMainPanel(const Drawing& drawing) {
    CroppedDrawing panel(kPanelWidth, kPanelHeight, std::vector<Pixel>(kPanelHeight, kWhitePixel),
                         kMargin);
    PlotState state;
    state.curveColor = drawing.main.curveColor;
    try {
        DrawPlot(panel, state, drawing.main.a, drawing.main.b, drawing.main.c, drawing.main.root1,
                 drawing.main.root2);
    } catch (const ArithmeticError&) {
        // An arithmetic fault stops the drawing; what was drawn stays.
    }
    const std::string difference = panel.FirstDifference();
    Check(difference.empty(), "main panel differs from the larger drawing at " + difference);
    const Picture picture = ComposeMainPicture(panel.clipped());
    Check(picture.width == 322 && picture.height == 338, "main picture of the wrong size");
    CheckPlaced(picture, panel.clipped(), 8, 8);
}

void DrawFullScreen(const Drawing& drawing) {
    const auto check = [&](const RasterSurface& surface) {
        const Picture picture = ComposeFullScreenPicture(surface, drawing.created);
        Check(picture.width == drawing.created.width &&
                  picture.height == std::max(drawing.created.height - 40, 0),
              "full-screen picture of the wrong size: " + Describe(drawing));
        CheckPlaced(picture, surface, 8, 9);
    };
    if (drawing.created.width <= kWidestCompared) {
        CroppedDrawing surface(drawing.created.width - 16, drawing.created.height - 16,
                               FullScreenBackdrop(drawing.created, kWindowBackground), kMargin);
        try {
            DrawFullScreenPlot(surface, drawing.drawn, drawing.main);
        } catch (const ArithmeticError&) {
        }
        const std::string difference = surface.FirstDifference();
        Check(difference.empty(), "full-screen surface differs from the larger drawing at " +
                                      difference + ": " + Describe(drawing));
        check(surface.clipped());
    } else {
        RasterSurface surface = MakeFullScreenSurface(drawing.created, kWindowBackground);
        try {
            DrawFullScreenPlot(surface, drawing.drawn, drawing.main);
        } catch (const ArithmeticError&) {
        }
        check(surface);
    }
}

}  // namespace
}  // namespace parabel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const parabel::fuzz::Drawing drawing = parabel::fuzz::Decode(data, size);
    parabel::fuzz::DrawMainPanel(drawing);
    parabel::fuzz::DrawFullScreen(drawing);
    return 0;
}
