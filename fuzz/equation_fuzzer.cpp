// The solve command on arbitrary equation texts: as the field takes them, solve, draw on
// the 300 x 320 panel, compose the picture, encode the BMP file.
//
// Properties (the sanitizers check every memory access on the way):
// - SolveAndDraw never throws.
// - No pixel lands outside the panel or in the wrong place inside it: the
//   panel equals the same drawing on a larger surface, cropped.
// - A solved and drawn equation is stored in the plot state as solved.
// - The picture is the 322 x 338 frame with the panel at (8, 8), and its BMP
//   file (32 bits per pixel, as the program saves it) is exactly the
//   headers, the colour table and the rows.
// The text is solved with '.' and, when it holds '.' or ',', again with ','
// as the decimal separator.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "app/equation_field.h"
#include "app/solve_and_draw.h"
#include "core/decimal_separator.h"
#include "cropped_drawing.h"
#include "fuzz_check.h"
#include "io/bmp.h"
#include "picture_check.h"
#include "plot/main_plot.h"
#include "plot/picture.h"

namespace parabel::fuzz {
namespace {

constexpr int kMargin = 64;
constexpr std::size_t kBmpHeaders = 14 + 40 + 4 * 256;

bool SameBits(Extended x, Extended y) {
    return ExtendedBits::Of(x) == ExtendedBits::Of(y);
}

void SolveDrawAndEncode(const std::string& field) {
    CroppedDrawing panel(kPanelWidth, kPanelHeight, std::vector<Pixel>(kPanelHeight, kWhitePixel),
                         kMargin);
    PlotState state;
    state.curveColor = 0x0000FF;
    const SolveAndDrawResult result = SolveAndDraw(field, panel, state);

    const std::string difference = panel.FirstDifference();
    Check(difference.empty(),
          "'" + field + "': the panel differs from the larger drawing at " + difference);
    const SolveOutcome& outcome = result.outcome;
    if (outcome.failure == SolveFailure::kNone) {
        Check(SameBits(state.a, outcome.a) && SameBits(state.b, outcome.b) &&
                  SameBits(state.c, outcome.c) && state.root1 == outcome.root1 &&
                  state.root2 == outcome.root2,
              "'" + field + "': the plot state does not hold the solved equation");
    }
    Check(!result.drawingFaulted || outcome.failure == SolveFailure::kConversion,
          "'" + field + "': a drawing fault that is not reported as a conversion failure");

    const RasterSurface& surface = panel.clipped();
    const Picture picture = ComposeMainPicture(surface);
    Check(picture.width == 322 && picture.height == 338 &&
              picture.pixels.size() == std::size_t{322} * 338,
          "main picture of the wrong size");
    Check(ShowsSurface(picture, surface, 8, 8), "the picture does not show the panel at (8, 8)");

    const std::vector<std::uint8_t> bmp =
        EncodeBmp({picture.width, picture.height, picture.pixels.data()});
    const std::size_t expected =
        kBmpHeaders + static_cast<std::size_t>(BmpRowStride(322, 32)) * 338;
    Check(bmp.size() == expected, "BMP file of " + std::to_string(bmp.size()) +
                                      " bytes, expected " + std::to_string(expected));
    std::uint32_t fileSize;
    std::memcpy(&fileSize, bmp.data() + 2, 4);
    Check(fileSize == expected, "BMP header states the wrong file size");
}

}  // namespace
}  // namespace parabel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace parabel;
    // The bytes as typed: the field takes them as it takes any text.
    const std::string field =
        EquationFieldText(std::string_view(reinterpret_cast<const char*>(data), size));
    {
        const ScopedDecimalSeparator scoped('.');
        fuzz::SolveDrawAndEncode(field);
    }
    // Without either separator in the text the second solve would repeat the first.
    if (field.find_first_of(".,") != std::string::npos) {
        const ScopedDecimalSeparator scoped(',');
        fuzz::SolveDrawAndEncode(field);
    }
    return 0;
}
