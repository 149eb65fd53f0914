#include "picture.h"

#include <algorithm>

#include "main_plot.h"
#include "pixel_rect.h"

namespace parabel {

FramedSurface::FramedSurface(const RasterSurface& surface, int width, int height, int left, int top)
    : surface_(surface),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      left_(left),
      top_(top) {}

void FramedSurface::Row(int y, Pixel* out) const {
    if (width_ == 0) {
        return;
    }
    const bool outline = y == 0 || y == height_ - 1;
    std::fill(out, out + width_, outline ? kBlackPixel : kWhitePixel);
    out[0] = kBlackPixel;
    out[width_ - 1] = kBlackPixel;
    // The surface's part of this row, clipped to the frame.
    const PixelRect inside = ClipRect(
        left_, std::max(top_, y), std::int64_t(left_) + surface_.width(),
        std::min<std::int64_t>(std::int64_t(top_) + surface_.height(), y + 1), width_, height_);
    if (inside.Empty()) {
        return;
    }
    const Pixel* from = surface_.pixels().data() +
                        static_cast<std::size_t>(y - top_) * surface_.width() +
                        (inside.left - left_);
    std::copy(from, from + inside.Width(), out + inside.left);
}

Picture FramedSurface::Compose() const {
    Picture picture;
    picture.width = width_;
    picture.height = height_;
    picture.pixels.resize(static_cast<std::size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        Row(y, picture.pixels.data() + static_cast<std::size_t>(y) * width_);
    }
    return picture;
}

PictureLayout MainPictureLayout() {
    return {322, 338, 8, 8, kPanelWidth, kPanelHeight};
}

PictureLayout FullScreenPictureLayout(ScreenSize screen) {
    return {screen.width, screen.height - 40, 8, 9, screen.width - 16, screen.height - 16};
}

FramedSurface Framed(const RasterSurface& surface, const PictureLayout& layout) {
    return FramedSurface(surface, layout.width, layout.height, layout.surfaceLeft,
                         layout.surfaceTop);
}

FramedSurface MainPictureRows(const RasterSurface& panel) {
    return Framed(panel, MainPictureLayout());
}

FramedSurface FullScreenPictureRows(const RasterSurface& surface, ScreenSize screen) {
    return Framed(surface, FullScreenPictureLayout(screen));
}

Picture ComposeMainPicture(const RasterSurface& panel) {
    return MainPictureRows(panel).Compose();
}

Picture ComposeFullScreenPicture(const RasterSurface& surface, ScreenSize screen) {
    return FullScreenPictureRows(surface, screen).Compose();
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
