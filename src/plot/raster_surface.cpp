#include "raster_surface.h"

#include <algorithm>

#include "glyphs.h"
#include "line_raster.h"

namespace parabel {

RasterSurface::RasterSurface(int width, int height, std::vector<Pixel> rowBackdrop)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      rowBackdrop_(std::move(rowBackdrop)) {
    rowBackdrop_.resize(height_, kWhitePixel);
    pixels_.resize(static_cast<std::size_t>(width_) * height_);
    Repaint();
}

RasterSurface::RasterSurface(int width, int height, Pixel backdrop)
    : RasterSurface(width, height, std::vector<Pixel>(std::max(height, 0), backdrop)) {}

void RasterSurface::Repaint() {
    for (int y = 0; y < height_; ++y) {
        Pixel* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
        std::fill(row, row + width_, rowBackdrop_[y]);
    }
}

void RasterSurface::MoveTo(std::int32_t x, std::int32_t y) {
    x_ = x;
    y_ = y;
}

void RasterSurface::LineTo(std::int32_t x, std::int32_t y) {
    const LineSpan span = ClipLine(x_, y_, x, y, width_, height_);
    Pixel* pixels = pixels_.data();
    const std::int64_t stride = width_;
    const Pixel pen = pen_;
    WalkLine(span, [&](std::int64_t px, std::int64_t py) { pixels[py * stride + px] = pen; });
    x_ = x;
    y_ = y;
}

void RasterSurface::FillRect(std::int64_t left, std::int64_t top, std::int64_t right,
                             std::int64_t bottom, Pixel pixel) {
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, width_);
    bottom = std::min<std::int64_t>(bottom, height_);
    for (std::int64_t y = top; y < bottom; ++y) {
        Pixel* row = pixels_.data() + y * width_;
        std::fill(row + left, row + right, pixel);
    }
}

void RasterSurface::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
    const std::int64_t width = TextWidth(text);
    FillRect(x, y, std::int64_t(x) + width, std::int64_t(y) + kGlyphCellHeight, brush_);
    std::int64_t left = x;
    for (char character : text) {
        const Glyph& glyph = GlyphOf(character);
        for (int row = 0; row < kGlyphCellHeight; ++row) {
            const std::int64_t py = std::int64_t(y) + row;
            if (py < 0 || py >= height_ || glyph.rows[row] == 0) {
                continue;
            }
            for (int column = 0; column < glyph.advance; ++column) {
                const std::int64_t px = left + column;
                if ((glyph.rows[row] >> column & 1) != 0 && px >= 0 && px < width_) {
                    pixels_[py * width_ + px] = font_;
                }
            }
        }
        left += glyph.advance;
    }
    // The position wraps in 32 bits like every coordinate.
    x_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(x) +
                                   static_cast<std::uint32_t>(width));
    y_ = y;
}

}  // namespace parabel
