// The full-screen view: the picture of the screen's size, its read-out and
// its file, in the window and the page alike.
#include "app/full_screen_model.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstddef>
#include <fstream>

#include "app/main_window_model.h"
#include "core/decimal_separator.h"
#include "plot/full_screen_plot.h"
#include "plot/picture.h"

namespace parabel {
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
        SettingsText settings;
        HistoryText history;
        MainWindowModel window("Parabel", settings, history);
        window.ReadCurveColor();
        if (*row.equation) {
            window.Solve(row.equation);
        }
        const ScreenSize screen{row.width, row.height};
        FullScreenModel fullScreen("Parabel", window.plotState(), [screen] { return screen; });
        EXPECT_EQ(fullScreen.layout().width, row.width);
        EXPECT_EQ(fullScreen.layout().height, row.height - 40);
        EXPECT_EQ(fullScreen.surface(), nullptr);  // made at the first drawing
        fullScreen.BeginOpening();
        EXPECT_FALSE(fullScreen.DrawOnce().HasError());
        EXPECT_TRUE(fullScreen.drawnSinceOpened());

        // The plot drawn for this screen, framed.
        RasterSurface surface = MakeFullScreenSurface(screen, SystemColor(kButtonFace));
        DrawFullScreenPlot(surface, screen, window.plotState());
        const Picture expected = FullScreenPictureRows(surface, screen).Compose();
        EXPECT_EQ(fullScreen.Picture().Compose().pixels, expected.pixels);

        EXPECT_EQ(fullScreen.PointerText(row.pointerX, row.pointerY), row.readOut);
        EXPECT_EQ(fullScreen.PictureFile(RasterFormat::kBmp).size(),
                  14u + 40 + 1024 + expected.pixels.size() * 4);
    }
}

TEST(FullScreen, FaultIsReportedOncePerOpeningAndAtEveryRefresh) {
    SettingsText settings;
    HistoryText history;
    MainWindowModel window("Parabel", settings, history);
    // Fits the panel, but its curve leaves the pixels' range on a wide screen.
    ASSERT_FALSE(window.Solve("1e15x^2").HasError());
    FullScreenModel fullScreen("Parabel", window.plotState(), [] { return ScreenSize{800, 600}; });
    for (int opening = 0; opening < 2; ++opening) {
        fullScreen.BeginOpening();
        const Report first = fullScreen.DrawOnce();
        EXPECT_EQ(first.errorCaption, "Parabel");
        EXPECT_EQ(first.errorMessage, "Invalid floating point operation.");
        EXPECT_FALSE(fullScreen.DrawOnce().HasError());  // a pointer move after it
        EXPECT_TRUE(fullScreen.Refresh().HasError());
    }
}

TEST(FullScreen, ANewScreenSizeLaysThePictureOutAnewAndTheDrawingFollowsTheScreen) {
    const struct {
        const char* change;
        ScreenSize to;
        const char* readOut;  // of the pointer at (408, 309)
    } rows[] = {
        {"both sides", {800, 600}, "[0;0]"},
        {"the height only (a phone's address bar)", {640, 600}, "[8;0]"},
        {"the width only", {800, 480}, "[0;-6]"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.change);
        SettingsText settings;
        HistoryText history;
        MainWindowModel window("Parabel", settings, history);
        window.Solve("x^2-4");
        ScreenSize screen{640, 480};
        FullScreenModel fullScreen("Parabel", window.plotState(), [&screen] { return screen; });
        fullScreen.BeginOpening();
        fullScreen.DrawOnce();
        // The screen changes while the view is laid out for the old one: the
        // drawing and the read-out follow the screen, the picture keeps its
        // size.
        screen = row.to;
        EXPECT_EQ(fullScreen.PointerText(408, 309), row.readOut);
        EXPECT_FALSE(fullScreen.Refresh().HasError());
        EXPECT_EQ(fullScreen.surface()->width(), 640 - 16);
        EXPECT_EQ(fullScreen.surface()->height(), 480 - 16);
        // Laid out anew: a picture of the new size, drawn at the next chance.
        fullScreen.LayOut();
        EXPECT_EQ(fullScreen.layout().width, row.to.width);
        EXPECT_EQ(fullScreen.layout().height, row.to.height - 40);
        fullScreen.BeginOpening();
        fullScreen.DrawOnce();
        EXPECT_EQ(fullScreen.surface()->width(), row.to.width - 16);
        EXPECT_EQ(fullScreen.surface()->height(), row.to.height - 16);
        EXPECT_EQ(fullScreen.Picture().width(), row.to.width);
        EXPECT_EQ(fullScreen.Picture().height(), row.to.height - 40);
    }
}

// Resizing the window, turning a tablet or zooming while the page's view is
// open lays it out again at every new size; the pictures of the sizes left
// behind give their memory back, so a long resize holds a few pictures, not
// one per size.
TEST(FullScreen, PicturesOfManySizesHoldTheMemoryOfAFew) {
    SettingsText settings;
    HistoryText history;
    MainWindowModel window("Parabel", settings, history);
    ASSERT_FALSE(window.Solve("x^2-5x+6").HasError());
    ScreenSize screen{1920, 1920};
    FullScreenModel fullScreen("Parabel", window.plotState(), [&screen] { return screen; });
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
    fullScreen.LayOut();
    fullScreen.BeginOpening();
    fullScreen.DrawOnce();
    const std::size_t largest = std::size_t{1920} * 1920 * 4;
    const std::size_t first = MemoryHeld();
    for (const Resize& resize : resizes) {
        for (int step = 0; step < 30; ++step) {
            screen = {resize.fromWidth + step * resize.stepWidth,
                      resize.fromHeight + step * resize.stepHeight};
            fullScreen.LayOut();
            fullScreen.BeginOpening();
            ASSERT_FALSE(fullScreen.DrawOnce().HasError()) << screen.width << " x " << screen.height;
            ASSERT_EQ(fullScreen.surface()->width(), screen.width - 16);
        }
    }
    EXPECT_LE(MemoryHeld(), first + 2 * largest) << "held at first: " << first;
}

}  // namespace
}  // namespace parabel
