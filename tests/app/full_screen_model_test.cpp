// The full-screen view: the picture of the screen's size, its read-out and
// its file, in the window and the page alike.
#include "app/full_screen_model.h"

#include <gtest/gtest.h>

#include "app/main_window_model.h"
#include "core/decimal_separator.h"
#include "plot/full_screen_plot.h"
#include "plot/picture.h"

namespace parabel {
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
    SettingsText settings;
    HistoryText history;
    MainWindowModel window("Parabel", settings, history);
    window.Solve("x^2-4");
    ScreenSize screen{640, 480};
    FullScreenModel fullScreen("Parabel", window.plotState(), [&screen] { return screen; });
    fullScreen.BeginOpening();
    fullScreen.DrawOnce();
    // The screen changes while the view is laid out for the old one: the
    // drawing and the read-out follow the screen, the picture keeps its size.
    screen = {800, 600};
    EXPECT_EQ(fullScreen.PointerText(408, 309), "[0;0]");
    EXPECT_FALSE(fullScreen.Refresh().HasError());
    EXPECT_EQ(fullScreen.surface()->width(), 640 - 16);
    // Laid out anew: a picture of the new size, drawn at the next chance.
    fullScreen.LayOut();
    EXPECT_EQ(fullScreen.layout().width, 800);
    fullScreen.BeginOpening();
    fullScreen.DrawOnce();
    EXPECT_EQ(fullScreen.surface()->width(), 800 - 16);
    EXPECT_EQ(fullScreen.Picture().height(), 600 - 40);
}

}  // namespace
}  // namespace parabel
