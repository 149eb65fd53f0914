// The page's full-screen view: the picture of the screen's size, its
// read-out and its file, as the desktop's full-screen window.
#include "web/full_screen_model.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstddef>
#include <fstream>

#include "core/decimal_separator.h"
#include "plot/full_screen_plot.h"
#include "plot/picture.h"
#include "web/page_model.h"
#include "web/picture_bytes.h"

namespace parabel::web {
namespace {

// The memory the program holds: the engine's linear memory, which only ever
// grows, or natively the process's address space.
std::size_t MemoryHeld() {
#ifdef __EMSCRIPTEN__
    return __builtin_wasm_memory_size(0) * std::size_t{65536};
#else
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    return pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
#endif
}

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

// Resizing the window, turning a tablet or zooming while the view is open
// opens it again at every new size; the pictures of the sizes left behind
// give their memory back, so a long resize holds a few pictures, not one per
// size.
TEST(FullScreen, PicturesOfManySizesHoldTheMemoryOfAFew) {
    PageModel page;
    page.ReadSettings("");
    ASSERT_FALSE(page.Solve("x^2-5x+6").HasError());
    FullScreenModel fullScreen(page.plotState());
    struct Resize {
        int fromWidth;
        int fromHeight;
        int stepWidth;
        int stepHeight;
    };
    const Resize resizes[] = {
        {1920, 1080, -16, -9},  // the window made smaller
        {1440, 810, 16, 9},     // and larger again
        {1080, 1920, -9, -16},  // a tablet turned upright, zoomed in
    };
    fullScreen.Open(1920, 1920);
    fullScreen.Rgba();
    const std::size_t largest = std::size_t{1920} * 1920 * 4;
    const std::size_t first = MemoryHeld();
    for (const Resize& resize : resizes) {
        for (int step = 0; step < 30; ++step) {
            const int width = resize.fromWidth + step * resize.stepWidth;
            const int height = resize.fromHeight + step * resize.stepHeight;
            ASSERT_FALSE(fullScreen.Open(width, height).HasError()) << width << " x " << height;
            ASSERT_EQ(fullScreen.Rgba().size(), std::size_t(width) * (height - 40) * 4);
        }
    }
    EXPECT_LE(MemoryHeld(), first + 2 * largest) << "held at first: " << first;
}

}  // namespace
}  // namespace parabel::web
