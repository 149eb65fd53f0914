// The panel and the plot font as pixels: any change to a glyph, a line's
// rasterisation or the drawing order shows here.
#include <gtest/gtest.h>

#include "plot/glyphs.h"
#include "plot/golden_picture.h"
#include "plot/main_plot.h"
#include "plot/raster_surface.h"

namespace parabel {
namespace {

TEST(GoldenPictures, PanelOfXSquaredMinus5XPlus6) {
    RasterSurface panel(kPanelWidth, kPanelHeight, kWhitePixel);
    PlotState state;
    state.curveColor = 0x000000FF;  // clRed
    DrawPlot(panel, state, 1, -5, 6, 3, 2);
    testing::ExpectMatchesGolden(panel, "panel_x2-5x+6.txt");
}

TEST(GoldenPictures, PanelOfAnOpeningDownParabolaWithRootsOffThePanel) {
    RasterSurface panel(kPanelWidth, kPanelHeight, kWhitePixel);
    PlotState state;
    state.curveColor = 0x00FF0000;  // clBlue
    DrawPlot(panel, state, -1, 0, 400, 20, -20);
    testing::ExpectMatchesGolden(panel, "panel_-x2+400.txt");
}

TEST(GoldenPictures, GlyphStripOfEveryCharacterALabelUses) {
    const std::string strip = "0123456789-.,EXY";
    RasterSurface surface(TextWidth(strip) + 2, kGlyphCellHeight + 2, 0xFF808080);
    surface.TextOut(1, 1, strip);
    testing::ExpectMatchesGolden(surface, "glyph_strip.txt");
}

}  // namespace
}  // namespace parabel
