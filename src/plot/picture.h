// The pictures the plot windows export: each window's frame with its drawing
// surface inside, composed from the surface's pixels (never a screen grab).
#pragma once

#include <vector>

#include "color.h"
#include "full_screen_plot.h"
#include "raster_surface.h"

namespace parabel {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;  // row-major, top row first

    Pixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A window's frame (white, one-pixel black outline) with a surface inside,
// composed a row at a time, so that a large picture is never held whole.
class FramedSurface {
  public:
    // A width x height frame with the surface's top-left corner at (left,
    // top), clipped to the frame. Sizes below zero count as zero.
    FramedSurface(const RasterSurface& surface, int width, int height, int left, int top);

    int width() const { return width_; }
    int height() const { return height_; }
    // Writes row y (0 <= y < height()) of the picture: width() pixels.
    void Row(int y, Pixel* out) const;
    // The whole picture at once.
    Picture Compose() const;

  private:
    const RasterSurface& surface_;
    int width_;
    int height_;
    int left_;
    int top_;
};

// Where a picture's drawing surface lies: the frame, which is the whole
// picture, and the surface's top-left corner and size within it. The surface
// is clipped to the frame.
struct PictureLayout {
    int width = 0;
    int height = 0;
    int surfaceLeft = 0;
    int surfaceTop = 0;
    int surfaceWidth = 0;
    int surfaceHeight = 0;
};

// The frame of `layout` with `surface` at its place.
FramedSurface Framed(const RasterSurface& surface, const PictureLayout& layout);

// 322 x 338 with the 300 x 320 panel at (8, 8).
PictureLayout MainPictureLayout();
// W x (H - 40) with the (W - 16) x (H - 16) surface at (8, 9).
PictureLayout FullScreenPictureLayout(ScreenSize screen);
// The smallest screen whose full-screen picture has a pixel: a surface one
// pixel wide, a frame one row high.
inline constexpr ScreenSize kSmallestFullScreen{17, 41};

// The main window's frame: 322 x 338 with the panel at (8, 8).
FramedSurface MainPictureRows(const RasterSurface& panel);

// The full-screen window's frame: W x (H - 40) with its surface at (8, 9).
FramedSurface FullScreenPictureRows(const RasterSurface& surface, ScreenSize screen);

// The main window's 322 x 338 frame (white, one-pixel black outline) with the
// 300 x 320 panel at (8, 8).
Picture ComposeMainPicture(const RasterSurface& panel);

// The full-screen window's W x (H - 40) frame with its surface at (8, 9),
// clipped to the frame.
Picture ComposeFullScreenPicture(const RasterSurface& surface, ScreenSize screen);

// What lies under the full-screen surface, row by row: the frame's white
// interior, its black bottom outline on row H - 50, the window's background
// below.
std::vector<Pixel> FullScreenBackdrop(ScreenSize screen, Pixel windowBackground);

// A full-screen surface for the screen: (W - 16) x (H - 16) over that backdrop.
RasterSurface MakeFullScreenSurface(ScreenSize screen, Pixel windowBackground);

}  // namespace parabel
