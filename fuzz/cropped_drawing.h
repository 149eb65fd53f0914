// Clipping may drop what falls outside a surface, never move or add a pixel
// inside it: a drawing on a surface must equal the same drawing on a surface
// larger by a margin on every side, cropped. A pixel written into the wrong
// row or column stays inside the buffer, where AddressSanitizer cannot see
// it; this comparison does.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "plot/glyphs.h"
#include "plot/raster_surface.h"

namespace parabel::fuzz {

// Draws every operation on two raster surfaces: `clipped` as given and
// `whole` shifted right and down by `margin`. A coordinate whose shifted
// value would leave the 32-bit range makes the pair incomparable (the shift
// would change the drawing, not just move it).
class CroppedDrawing final : public Surface {
  public:
    // `rowBackdrop` is the clipped surface's backdrop; the whole surface has
    // it at the margin and white around it.
    CroppedDrawing(int width, int height, const std::vector<Pixel>& rowBackdrop, int margin)
        : margin_(margin),
          clipped_(width, height, rowBackdrop),
          whole_(clipped_.width() + 2 * margin, clipped_.height() + 2 * margin,
                 Padded(rowBackdrop, clipped_.height(), margin)) {}

    void Repaint() override {
        clipped_.Repaint();
        whole_.Repaint();
    }
    void SetPenColor(ColorValue color) override {
        clipped_.SetPenColor(color);
        whole_.SetPenColor(color);
    }
    void SetBrushColor(ColorValue color) override {
        clipped_.SetBrushColor(color);
        whole_.SetBrushColor(color);
    }
    void SetFontColor(ColorValue color) override {
        clipped_.SetFontColor(color);
        whole_.SetFontColor(color);
    }
    void MoveTo(std::int32_t x, std::int32_t y) override {
        clipped_.MoveTo(x, y);
        whole_.MoveTo(Shift(x), Shift(y));
    }
    void LineTo(std::int32_t x, std::int32_t y) override {
        clipped_.LineTo(x, y);
        whole_.LineTo(Shift(x), Shift(y));
    }
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override {
        clipped_.TextOut(x, y, text);
        // The position after the text must not wrap differently either.
        Shift(static_cast<std::int32_t>(std::min<std::int64_t>(
            std::int64_t{x} + TextWidth(text), std::numeric_limits<std::int32_t>::max())));
        whole_.TextOut(Shift(x), Shift(y), text);
    }

    const RasterSurface& clipped() const { return clipped_; }

    // "" when the clipped surface equals the whole one cropped (or the two
    // cannot be compared), else the first differing pixel.
    std::string FirstDifference() const {
        if (!comparable_) {
            return "";
        }
        const std::size_t width = static_cast<std::size_t>(clipped_.width());
        for (int y = 0; y < clipped_.height(); ++y) {
            const Pixel* row = clipped_.pixels().data() + y * width;
            const Pixel* wholeRow = whole_.pixels().data() +
                                    static_cast<std::size_t>(y + margin_) * whole_.width() +
                                    margin_;
            if (!std::equal(row, row + width, wholeRow)) {
                const auto x = std::mismatch(row, row + width, wholeRow).first - row;
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        }
        return "";
    }

  private:
    static std::vector<Pixel> Padded(const std::vector<Pixel>& rows, int height, int margin) {
        std::vector<Pixel> padded(static_cast<std::size_t>(height + 2 * margin), kWhitePixel);
        for (int y = 0; y < height && y < static_cast<int>(rows.size()); ++y) {
            padded[static_cast<std::size_t>(y + margin)] = rows[static_cast<std::size_t>(y)];
        }
        return padded;
    }

    std::int32_t Shift(std::int32_t value) {
        const std::int64_t shifted = std::int64_t{value} + margin_;
        if (shifted > std::numeric_limits<std::int32_t>::max()) {
            comparable_ = false;
            return value;
        }
        return static_cast<std::int32_t>(shifted);
    }

    int margin_;
    bool comparable_ = true;
    RasterSurface clipped_;
    RasterSurface whole_;
};

}  // namespace parabel::fuzz
