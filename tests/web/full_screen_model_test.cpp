// The page's full-screen view: the picture of the screen's size, its
// read-out and its file, as the desktop's full-screen window.
#include "web/full_screen_model.h"

#include <gtest/gtest.h>

#include "core/decimal_separator.h"
#include "plot/full_screen_plot.h"
#include "plot/picture.h"
#include "web/page_model.h"
#include "web/picture_bytes.h"

namespace parabel::web {
namespace {

struct ScreenRow {
    const char* equation;
    int width;
    int height;
    int pointerX;
    int pointerY;
    const char* readOut;
};

TEST(FullScreen, PictureReadOutAndFileFitTheScreen) {
    const ScreenRow rows[] = {
        {"x^2-5x+6", 1024, 768, 520, 393, "[0;0]"},
        {"x^2-5x+6", 1920, 1080, 968 + 30, 549 - 20, "[3;2]"},
        {"-x^2+100", 400, 300, 0, 0, "[-20,8;15,9]"},
        {"", 17, 41, 8, 29, "[-0,8;0]"},  // the smallest screen, nothing solved
    };
    for (const ScreenRow& row : rows) {
        SCOPED_TRACE(row.equation);
        const ScopedDecimalSeparator comma(',');
        PageModel page;
        page.ReadSettings("");
        if (*row.equation) {
            page.Solve(row.equation);
        }
        FullScreenModel fullScreen(page.plotState());
        EXPECT_FALSE(fullScreen.Open(row.width, row.height).HasError());
        EXPECT_EQ(fullScreen.width(), row.width);
        EXPECT_EQ(fullScreen.height(), row.height - 40);

        // The desktop's picture for this screen.
        const ScreenSize screen{row.width, row.height};
        RasterSurface surface = MakeFullScreenSurface(screen, SystemColor(kButtonFace));
        DrawFullScreenPlot(surface, screen, page.plotState());
        std::vector<std::uint8_t> expected;
        PictureRgba(FullScreenPictureRows(surface, screen), expected);
        EXPECT_EQ(fullScreen.Rgba(), expected);

        Report report;
        EXPECT_EQ(fullScreen.PointerText(row.pointerX, row.pointerY, report), row.readOut);
        EXPECT_FALSE(report.HasError());
        EXPECT_EQ(fullScreen.Bmp().size(), 14u + 40 + 1024 + expected.size());
    }
}

TEST(FullScreen, FaultIsReportedOncePerOpeningAndAtEveryRefresh) {
    PageModel page;
    page.ReadSettings("");
    // Fits the panel, but its curve leaves the pixels' range on a wide screen.
    ASSERT_FALSE(page.Solve("1e15x^2").HasError());
    FullScreenModel fullScreen(page.plotState());
    for (int opening = 0; opening < 2; ++opening) {
        const Report first = fullScreen.Open(800, 600);
        EXPECT_EQ(first.errorCaption, "Parabel");
        EXPECT_EQ(first.errorMessage, "Invalid floating point operation.");
        Report moved;
        fullScreen.PointerText(10, 10, moved);
        EXPECT_FALSE(moved.HasError());
        EXPECT_TRUE(fullScreen.Refresh().HasError());
    }
}

}  // namespace
}  // namespace parabel::web
