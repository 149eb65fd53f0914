#include "raster_surface.h"

#include <algorithm>
#include <cstring>

#include "glyphs.h"
#include "line_raster.h"
#include "pixel_rect.h"

namespace parabel {

namespace {

// Fills count pixels; a pixel whose four bytes are equal (white, black) is
// filled byte-wise, which the C library does fastest. With no pixels to fill
// `first` may be null (a surface without columns), which memset must not get.
void FillPixels(Pixel* first, std::int64_t count, Pixel pixel) {
    if (count <= 0) {
        return;
    }
    const auto low = static_cast<std::uint8_t>(pixel);
    if (pixel == low * 0x01010101u) {
        std::memset(first, low, static_cast<std::size_t>(count) * sizeof(Pixel));
    } else {
        std::fill(first, first + count, pixel);
    }
}

}  // namespace

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
    // Rows of one backdrop lie next to each other in the buffer: each run of
    // them is one fill, which for a large picture the C library does with
    // streaming stores, as fast as one memset of the whole buffer.
    for (int first = 0; first < height_;) {
        int end = first + 1;
        while (end < height_ && rowBackdrop_[end] == rowBackdrop_[first]) {
            ++end;
        }
        FillPixels(pixels_.data() + static_cast<std::size_t>(first) * width_,
                   std::int64_t(end - first) * width_, rowBackdrop_[first]);
        first = end;
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
    const PixelRect clip = ClipRect(left, top, right, bottom, width_, height_);
    for (std::int64_t y = clip.top; y < clip.bottom; ++y) {
        FillPixels(pixels_.data() + y * width_ + clip.left, clip.Width(), pixel);
    }
}

void RasterSurface::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
    const std::int64_t width = TextWidth(text);
    const std::int64_t right = std::int64_t(x) + width;
    const std::int64_t bottom = std::int64_t(y) + kGlyphCellHeight;
    FillRect(x, y, right, bottom, brush_);
    // The glyphs' ink lies within the cell, so the cell clipped once bounds
    // every pixel written below.
    const PixelRect cell = ClipRect(x, y, right, bottom, width_, height_);
    std::int64_t left = x;
    for (char character : text) {
        const Glyph& glyph = GlyphOf(character);
        const PixelRect glyphCell =
            ClipRect(std::max(left, cell.left), cell.top,
                     std::min(left + glyph.advance, cell.right), cell.bottom, width_, height_);
        for (std::int64_t py = glyphCell.top; py < glyphCell.bottom; ++py) {
            const std::uint16_t ink = glyph.rows[py - y];
            for (std::int64_t px = glyphCell.left; px < glyphCell.right; ++px) {
                if ((ink >> (px - left) & 1) != 0) {
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
