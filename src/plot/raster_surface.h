// A surface that draws into a 32-bit pixel buffer and keeps its picture.
#pragma once

#include <vector>

#include "pixel_buffer.h"
#include "surface.h"

namespace parabel {

class RasterSurface final : public Surface {
  public:
    // A surface of width x height pixels over a backdrop given row by row:
    // repaint fills row y with rowBackdrop[y]. The picture starts as the
    // backdrop; the pen, brush and font start black, white and black.
    RasterSurface(int width, int height, std::vector<Pixel> rowBackdrop);
    // A surface over a plain backdrop of one colour.
    RasterSurface(int width, int height, Pixel backdrop);

    void Repaint() override;
    void SetPenColor(ColorValue color) override { pen_ = ResolveColor(color); }
    void SetBrushColor(ColorValue color) override { brush_ = ResolveColor(color); }
    void SetFontColor(ColorValue color) override { font_ = ResolveColor(color); }
    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override;

    int width() const { return width_; }
    int height() const { return height_; }
    // Row-major pixels, width() per row.
    const PixelBuffer& pixels() const { return pixels_; }
    Pixel PixelAt(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

  private:
    void FillRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                  Pixel pixel);

    int width_;
    int height_;
    std::vector<Pixel> rowBackdrop_;
    PixelBuffer pixels_;
    Pixel pen_ = kBlackPixel;
    Pixel brush_ = kWhitePixel;
    Pixel font_ = kBlackPixel;
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
};

}  // namespace parabel
