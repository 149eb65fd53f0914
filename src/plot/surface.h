// The drawing surface the plots draw on: its operations and the state it
// keeps from one call to the next (pen, brush and font colour, current
// position). Coordinates are signed 32-bit pixels from the surface's top-left
// corner; whatever falls outside the surface is clipped.
#pragma once

#include <cstdint>
#include <string>

#include "color.h"

namespace parabel {

class Surface {
  public:
    virtual ~Surface() = default;

    // The whole surface shows again what lies under it.
    virtual void Repaint() = 0;
    virtual void SetPenColor(ColorValue color) = 0;
    virtual void SetBrushColor(ColorValue color) = 0;
    virtual void SetFontColor(ColorValue color) = 0;
    // The current position becomes (x, y); nothing is drawn.
    virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
    // A one-pixel line in the pen colour from the current position to (x, y),
    // the end point itself not drawn; the current position becomes (x, y).
    virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
    // The text's cell, top-left at (x, y), filled with the brush colour, the
    // glyphs in the font colour; the current position becomes
    // (x + width of the text, y). `text` is printable ASCII.
    virtual void TextOut(std::int32_t x, std::int32_t y, const std::string& text) = 0;
};

// The colour values the plots draw their axes and texts with.
constexpr ColorValue kBlackColor = 0x000000;
constexpr ColorValue kWhiteColor = 0xFFFFFF;

// Move to (x0, y0), then line to (x1, y1).
inline void DrawLine(Surface& surface, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                     std::int32_t y1) {
    surface.MoveTo(x0, y0);
    surface.LineTo(x1, y1);
}

// A surface that keeps nothing: for running the drawing arithmetic alone.
class NullSurface final : public Surface {
  public:
    void Repaint() override {}
    void SetPenColor(ColorValue) override {}
    void SetBrushColor(ColorValue) override {}
    void SetFontColor(ColorValue) override {}
    void MoveTo(std::int32_t, std::int32_t) override {}
    void LineTo(std::int32_t, std::int32_t) override {}
    void TextOut(std::int32_t, std::int32_t, const std::string&) override {}
};

}  // namespace parabel
