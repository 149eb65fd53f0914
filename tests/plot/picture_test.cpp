#include "plot/picture.h"

#include <gtest/gtest.h>

#include "plot/main_plot.h"

namespace parabel {
namespace {

TEST(ComposeMainPicture, FrameWithThePanelInside) {
    RasterSurface panel(kPanelWidth, kPanelHeight, kWhitePixel);
    panel.MoveTo(0, 0);
    panel.LineTo(300, 0);  // the panel's top row black
    const Picture picture = ComposeMainPicture(panel);
    ASSERT_EQ(picture.width, 322);
    ASSERT_EQ(picture.height, 338);
    EXPECT_EQ(picture.At(0, 0), kBlackPixel);
    EXPECT_EQ(picture.At(321, 337), kBlackPixel);
    EXPECT_EQ(picture.At(5, 337), kBlackPixel);
    EXPECT_EQ(picture.At(1, 1), kWhitePixel);
    EXPECT_EQ(picture.At(320, 336), kWhitePixel);
    EXPECT_EQ(picture.At(7, 8), kWhitePixel);
    EXPECT_EQ(picture.At(8, 8), kBlackPixel);    // panel (0, 0)
    EXPECT_EQ(picture.At(307, 8), kBlackPixel);  // panel (299, 0)
    EXPECT_EQ(picture.At(308, 8), kWhitePixel);
}

TEST(ComposeFullScreenPicture, FrameAndSurfaceClippedToIt) {
    const ScreenSize screen{1024, 768};
    RasterSurface surface = MakeFullScreenSurface(screen, 0xFFD4D0C8);
    ASSERT_EQ(surface.width(), 1008);
    ASSERT_EQ(surface.height(), 752);
    EXPECT_EQ(surface.PixelAt(5, 717), kWhitePixel);
    EXPECT_EQ(surface.PixelAt(5, 718), kBlackPixel);  // row H - 50: the frame's outline
    EXPECT_EQ(surface.PixelAt(5, 719), 0xFFD4D0C8u);  // below the frame
    const Picture picture = ComposeFullScreenPicture(surface, screen);
    ASSERT_EQ(picture.width, 1024);
    ASSERT_EQ(picture.height, 728);
    EXPECT_EQ(picture.At(500, 727), kBlackPixel);
    EXPECT_EQ(picture.At(500, 726), kWhitePixel);
    EXPECT_EQ(picture.At(1023, 300), kBlackPixel);
}

}  // namespace
}  // namespace parabel
