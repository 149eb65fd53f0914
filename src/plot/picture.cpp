#include "picture.h"

#include <algorithm>

#include "main_plot.h"

namespace parabel {

namespace {

constexpr int kMainFrameWidth = 322;
constexpr int kMainFrameHeight = 338;

Picture Frame(int width, int height) {
    Picture picture;
    picture.width = std::max(width, 0);
    picture.height = std::max(height, 0);
    picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, kWhitePixel);
    if (picture.width == 0 || picture.height == 0) {
        return picture;
    }
    for (int x = 0; x < picture.width; ++x) {
        picture.pixels[x] = kBlackPixel;
        picture.pixels[static_cast<std::size_t>(picture.height - 1) * picture.width + x] =
            kBlackPixel;
    }
    for (int y = 0; y < picture.height; ++y) {
        picture.pixels[static_cast<std::size_t>(y) * picture.width] = kBlackPixel;
        picture.pixels[static_cast<std::size_t>(y) * picture.width + picture.width - 1] =
            kBlackPixel;
    }
    return picture;
}

// Copies the surface into the picture with its top-left corner at (left, top),
// clipped to the picture.
void Place(Picture& picture, const RasterSurface& surface, int left, int top) {
    const int columns = std::min(surface.width(), picture.width - left);
    const int rows = std::min(surface.height(), picture.height - top);
    for (int y = 0; y < rows; ++y) {
        const Pixel* from = surface.pixels().data() + static_cast<std::size_t>(y) * surface.width();
        Pixel* to =
            picture.pixels.data() + static_cast<std::size_t>(top + y) * picture.width + left;
        std::copy(from, from + columns, to);
    }
}

}  // namespace

Picture ComposeMainPicture(const RasterSurface& panel) {
    Picture picture = Frame(kMainFrameWidth, kMainFrameHeight);
    Place(picture, panel, 8, 8);
    return picture;
}

Picture ComposeFullScreenPicture(const RasterSurface& surface, ScreenSize screen) {
    Picture picture = Frame(screen.width, screen.height - 40);
    Place(picture, surface, 8, 9);
    return picture;
}

std::vector<Pixel> FullScreenBackdrop(ScreenSize screen, Pixel windowBackground) {
    std::vector<Pixel> rows(std::max(screen.height - 16, 0), kWhitePixel);
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        const int frameBottom = screen.height - 50;
        rows[y] =
            y < frameBottom ? kWhitePixel : (y == frameBottom ? kBlackPixel : windowBackground);
    }
    return rows;
}

RasterSurface MakeFullScreenSurface(ScreenSize screen, Pixel windowBackground) {
    return RasterSurface(screen.width - 16, screen.height - 16,
                         FullScreenBackdrop(screen, windowBackground));
}

}  // namespace parabel
