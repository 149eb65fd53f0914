#include "picture.h"

#include <algorithm>

#include "main_plot.h"
#include "pixel_rect.h"

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
    const PixelRect target =
        ClipRect(left, top, std::int64_t(left) + surface.width(),
                 std::int64_t(top) + surface.height(), picture.width, picture.height);
    for (std::int64_t y = target.top; y < target.bottom; ++y) {
        const Pixel* from =
            surface.pixels().data() + (y - top) * surface.width() + (target.left - left);
        Pixel* to = picture.pixels.data() + y * picture.width + target.left;
        std::copy(from, from + target.Width(), to);
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
