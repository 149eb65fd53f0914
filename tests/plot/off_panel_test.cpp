// Labels, letters and curves that fall partly or wholly outside the surface:
// every drawing on a clipped surface must equal the same drawing on a larger
// surface, cropped. The larger surface holds everything these cases draw, so
// any difference is a clipping fault; under the sanitizers a write outside
// the pixel buffer fails the test on its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/solver.h"
#include "plot/full_screen_plot.h"
#include "plot/main_plot.h"
#include "plot/picture.h"
#include "plot/raster_surface.h"

namespace parabel {
namespace {

constexpr int kMargin = 200;

// Forwards every operation to a larger surface, shifted by the margin.
class ShiftedSurface final : public Surface {
  public:
    explicit ShiftedSurface(RasterSurface& target) : target_(target) {}
    void Repaint() override { target_.Repaint(); }
    void SetPenColor(ColorValue color) override { target_.SetPenColor(color); }
    void SetBrushColor(ColorValue color) override { target_.SetBrushColor(color); }
    void SetFontColor(ColorValue color) override { target_.SetFontColor(color); }
    void MoveTo(std::int32_t x, std::int32_t y) override {
        target_.MoveTo(x + kMargin, y + kMargin);
    }
    void LineTo(std::int32_t x, std::int32_t y) override {
        target_.LineTo(x + kMargin, y + kMargin);
    }
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override {
        target_.TextOut(x + kMargin, y + kMargin, text);
    }

  private:
    RasterSurface& target_;
};

// The first pixel where `clipped` differs from the crop of `whole` at the
// margin, as "(x, y)", or "" when they agree.
std::string FirstDifference(const RasterSurface& clipped, const RasterSurface& whole) {
    for (int y = 0; y < clipped.height(); ++y) {
        for (int x = 0; x < clipped.width(); ++x) {
            if (clipped.PixelAt(x, y) != whole.PixelAt(x + kMargin, y + kMargin)) {
                std::string where = "(";
                where += std::to_string(x);
                where += ", ";
                where += std::to_string(y);
                where += ")";
                return where;
            }
        }
    }
    return "";
}

// Backdrop rows for the larger surface: `rows` at the margin, white around.
std::vector<Pixel> PaddedBackdrop(const std::vector<Pixel>& rows, int height) {
    std::vector<Pixel> padded(static_cast<std::size_t>(height), kWhitePixel);
    std::copy(rows.begin(), rows.end(), padded.begin() + kMargin);
    return padded;
}

struct PanelCase {
    const char* equation;
    const char* where;  // where the labels fall
};

const PanelCase kPanelCases[] = {
    {"x^2-225=0", "15 wholly right, -15 inside"},
    {"x^2-15x=0", "15 wholly right"},
    {"x^2+20x=0", "-20 wholly left"},
    {"x^2-18x=0", "18 wholly right"},
    {"x^2+18x=0", "-18 wholly left"},
    {"x^2-14.8x=0", "14.8 starts on column 301"},
    {"x^2-14.7x=0", "14.7 starts on column 300, just outside"},
    {"x^2-14.6x=0", "14.6 starts on the last column"},
    {"x^2-14x=0", "14 cut by the right edge"},
    {"x^2+15.3x=0", "-15.3 starts on column 0"},
    {"x^2+15.4x=0", "-15.4 starts one column left of the panel"},
    {"x^2+16.5x=0", "-16.5 cut by the left edge"},
    {"x^2-1000000x=0", "a million far right"},
    {"x^2+1000000x=0", "minus a million far left"},
    {"x^2-5x+6=0", "both inside"},
    {"-x^2+400=0", "-20 and 20, both outside"},
};

class OffPanelLabels : public testing::TestWithParam<PanelCase> {};

TEST_P(OffPanelLabels, PanelAndPictureEqualTheCroppedWholeDrawing) {
    const SolveOutcome solved = Solve(GetParam().equation);
    ASSERT_EQ(solved.failure, SolveFailure::kNone) << GetParam().equation;

    RasterSurface panel(kPanelWidth, kPanelHeight, kWhitePixel);
    PlotState state;
    state.curveColor = 0x0000FF;
    DrawPlot(panel, state, solved.a, solved.b, solved.c, solved.root1, solved.root2);

    RasterSurface whole(kPanelWidth + 2 * kMargin, kPanelHeight + 2 * kMargin, kWhitePixel);
    ShiftedSurface shifted(whole);
    PlotState wholeState;
    wholeState.curveColor = 0x0000FF;
    DrawPlot(shifted, wholeState, solved.a, solved.b, solved.c, solved.root1, solved.root2);

    EXPECT_EQ(FirstDifference(panel, whole), "") << GetParam().where;

    const Picture picture = ComposeMainPicture(panel);
    ASSERT_EQ(picture.pixels.size(), 322u * 338u);
    for (int y = 0; y < kPanelHeight; ++y) {
        for (int x = 0; x < kPanelWidth; ++x) {
            ASSERT_EQ(picture.At(x + 8, y + 8), panel.PixelAt(x, y)) << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Equations, OffPanelLabels, testing::ValuesIn(kPanelCases));

struct ScreenCase {
    ScreenSize drawn;    // the screen size the drawing reads
    ScreenSize created;  // the screen size the surface was made for
};

const ScreenCase kScreenCases[] = {
    {{1, 1}, {1, 1}},         {{7, 41}, {7, 41}},       {{8, 8}, {8, 8}},
    {{16, 16}, {16, 16}},     {{17, 17}, {17, 17}},     {{17, 41}, {17, 41}},
    {{30, 300}, {30, 300}},   {{55, 300}, {55, 300}},   {{56, 300}, {56, 300}},
    {{300, 20}, {300, 20}},   {{300, 51}, {300, 51}},   {{120, 90}, {120, 90}},
    {{0, 0}, {0, 0}},         {{640, 480}, {100, 100}}, {{100, 100}, {640, 480}},
    {{401, 399}, {401, 399}},
};

class TinyScreens : public testing::TestWithParam<ScreenCase> {};

TEST_P(TinyScreens, SurfaceAndPictureEqualTheCroppedWholeDrawing) {
    const ScreenCase screens = GetParam();
    for (const char* equation : {"x^2-5x+6=0", "x^2-225=0", "-x^2+400=0"}) {
        const SolveOutcome solved = Solve(equation);
        ASSERT_EQ(solved.failure, SolveFailure::kNone);
        PlotState state;
        state.curveColor = 0x00FF00;
        state.a = solved.a;
        state.b = solved.b;
        state.c = solved.c;
        state.root1 = solved.root1;
        state.root2 = solved.root2;

        const Pixel background = 0xFFD4D0C8;
        RasterSurface surface = MakeFullScreenSurface(screens.created, background);
        DrawFullScreenPlot(surface, screens.drawn, state);

        const std::vector<Pixel> rows = FullScreenBackdrop(screens.created, background);
        const int wholeHeight = surface.height() + 2 * kMargin;
        RasterSurface whole(surface.width() + 2 * kMargin, wholeHeight,
                            PaddedBackdrop(rows, wholeHeight));
        ShiftedSurface shifted(whole);
        DrawFullScreenPlot(shifted, screens.drawn, state);
        EXPECT_EQ(FirstDifference(surface, whole), "")
            << equation << " on " << screens.drawn.width << "x" << screens.drawn.height;

        const Picture picture = ComposeFullScreenPicture(surface, screens.created);
        const int width = std::max(screens.created.width, 0);
        const int height = std::max(screens.created.height - 40, 0);
        ASSERT_EQ(picture.width, width);
        ASSERT_EQ(picture.height, height);
        for (int y = 9; y < std::min(height, 9 + surface.height()); ++y) {
            for (int x = 8; x < std::min(width, 8 + surface.width()); ++x) {
                ASSERT_EQ(picture.At(x, y), surface.PixelAt(x - 8, y - 9)) << x << ", " << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, TinyScreens, testing::ValuesIn(kScreenCases));

}  // namespace
}  // namespace parabel
