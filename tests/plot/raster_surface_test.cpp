#include "plot/raster_surface.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/solver.h"
#include "plot/glyphs.h"
#include "plot/main_plot.h"

namespace parabel {
namespace {

constexpr Pixel kRed = 0xFFFF0000;

TEST(RasterSurface, LinesExcludeTheirEndPointAndClip) {
    RasterSurface surface(10, 10, kWhitePixel);
    surface.SetPenColor(0x0000FF);  // clRed
    surface.MoveTo(-5, 2);
    surface.LineTo(4, 2);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(surface.PixelAt(x, 2), x < 4 ? kRed : kWhitePixel) << x;
    }
    surface.LineTo(4, 50);  // continues from (4, 2)
    EXPECT_EQ(surface.PixelAt(4, 9), kRed);
    EXPECT_EQ(surface.PixelAt(4, 2), kRed);
}

TEST(RasterSurface, RepaintShowsTheBackdropRowByRow) {
    RasterSurface surface(4, 3, std::vector<Pixel>{kWhitePixel, kBlackPixel, 0xFF123456});
    surface.MoveTo(0, 0);
    surface.LineTo(4, 0);
    surface.Repaint();
    EXPECT_EQ(surface.PixelAt(2, 0), kWhitePixel);
    EXPECT_EQ(surface.PixelAt(2, 1), kBlackPixel);
    EXPECT_EQ(surface.PixelAt(2, 2), 0xFF123456u);
}

// Every pixel starts as its row's backdrop, whether the buffer is small or
// large enough to be mapped on its own (from 4 MiB on), and stays so in a
// copy and after a move.
TEST(RasterSurface, EverySizeStartsAsItsBackdrop) {
    struct Size {
        int width;
        int height;
    };
    const Size sizes[] = {{3, 2}, {1023, 1024}, {1024, 1024}, {1025, 1024}, {3824, 2144}};
    const Pixel backdrops[] = {kWhitePixel, 0xFFD4D0C8, kBlackPixel, 0xFF0A0B0C};
    for (const Size& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        std::vector<Pixel> rows;
        for (int y = 0; y < size.height; ++y) {
            rows.push_back(backdrops[y * 7 / size.height % 4]);
        }
        RasterSurface surface(size.width, size.height, rows);
        const auto startsAsBackdrop = [&](const RasterSurface& picture) {
            for (int y = 0; y < size.height; ++y) {
                const auto* row = picture.pixels().data() + std::size_t(y) * size.width;
                if (std::count(row, row + size.width, rows[y]) != size.width) {
                    return false;
                }
            }
            return true;
        };
        EXPECT_TRUE(startsAsBackdrop(surface));
        const RasterSurface copy = surface;
        EXPECT_TRUE(startsAsBackdrop(copy));
        const RasterSurface moved = std::move(surface);
        EXPECT_TRUE(startsAsBackdrop(moved));
    }
}

// A full-screen surface for a screen up to 16 pixels wide has no columns but
// its rows; white and black rows are filled byte-wise, which must not touch
// a pixel buffer that does not exist.
TEST(RasterSurface, ASurfaceWithoutPixelsRepaintsAndDrawsNothing) {
    struct Size {
        int width;
        int height;
        Pixel backdrop;
    };
    const Size sizes[] = {
        {0, 84, kWhitePixel}, {0, 5, kBlackPixel}, {0, 3, 0xFFD4D0C8},
        {12, 0, kWhitePixel}, {0, 0, kBlackPixel}, {-3, 7, kWhitePixel},
    };
    for (const Size& size : sizes) {
        RasterSurface surface(size.width, size.height, size.backdrop);
        surface.Repaint();
        surface.MoveTo(-5, -5);
        surface.LineTo(50, 50);
        surface.TextOut(0, 0, "Y");
        EXPECT_EQ(surface.width(), std::max(size.width, 0));
        EXPECT_EQ(surface.pixels().size(),
                  static_cast<std::size_t>(std::max(size.width, 0) * std::max(size.height, 0)));
    }
}

TEST(RasterSurface, TextFillsItsCellAndMovesThePosition) {
    RasterSurface surface(40, 20, 0xFF00FF00);
    surface.SetBrushColor(0xFFFFFF);
    surface.SetFontColor(0x000000);
    surface.TextOut(3, 2, "3");
    const int width = TextWidth("3");
    int ink = 0;
    for (int y = 2; y < 2 + kGlyphCellHeight; ++y) {
        for (int x = 3; x < 3 + width; ++x) {
            const Pixel pixel = surface.PixelAt(x, y);
            EXPECT_TRUE(pixel == kWhitePixel || pixel == kBlackPixel);
            ink += pixel == kBlackPixel;
        }
    }
    EXPECT_GT(ink, 8);
    EXPECT_EQ(surface.PixelAt(3 + width, 2), 0xFF00FF00u);  // outside the cell
    EXPECT_EQ(surface.PixelAt(2, 2), 0xFF00FF00u);
    // The position moved to the cell's right edge: a line from there starts there.
    surface.SetPenColor(0x0000FF);
    surface.LineTo(3 + width + 5, 2);
    EXPECT_EQ(surface.PixelAt(3 + width, 2), kRed);
}

TEST(RasterSurface, TextPartlyOutsideIsClipped) {
    RasterSurface surface(10, 10, 0xFF00FF00);
    surface.SetBrushColor(0xFFFFFF);
    surface.TextOut(-3, -5, "Y");
    const int visibleWidth = TextWidth("Y") - 3;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inCell = x < visibleWidth && y < kGlyphCellHeight - 5;
            EXPECT_EQ(surface.PixelAt(x, y) != 0xFF00FF00u, inCell) << x << "," << y;
        }
    }
    surface.TextOut(2147483600, 2147483600, "-1.5E-7");  // far away: nothing, no overflow
}

TEST(RasterSurface, PlotPixelsOfXSquaredMinus5XPlus6) {
    RasterSurface surface(kPanelWidth, kPanelHeight, kWhitePixel);
    PlotState state;
    state.curveColor = 0x0000FF;
    DrawPlot(surface, state, 1, -5, 6, 3, 2);
    EXPECT_EQ(surface.PixelAt(0, 160), kBlackPixel);  // x-axis
    EXPECT_EQ(surface.PixelAt(299, 160), kBlackPixel);
    EXPECT_EQ(surface.PixelAt(150, 319), kBlackPixel);  // y-axis
    EXPECT_EQ(surface.PixelAt(10, 159), kBlackPixel);   // a tick covers rows 159 to 161
    EXPECT_EQ(surface.PixelAt(10, 161), kBlackPixel);
    EXPECT_EQ(surface.PixelAt(10, 162), kWhitePixel);  // its end point is not drawn
    EXPECT_EQ(surface.PixelAt(151, 10), kBlackPixel);  // a y tick covers columns 149 to 151
    EXPECT_EQ(surface.PixelAt(152, 10), kWhitePixel);
    EXPECT_EQ(surface.PixelAt(150, 100), kRed);  // the curve at x = 0, y = 6
    // The label cell of "3" is opaque white over the curve.
    const int width = TextWidth("3");
    for (int y = 145; y < 145 + kGlyphCellHeight; ++y) {
        for (int x = 183; x < 183 + width; ++x) {
            EXPECT_NE(surface.PixelAt(x, y), kRed) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace parabel
