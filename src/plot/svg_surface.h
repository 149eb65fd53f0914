// The SVG picture file: the drawing operations of a plot as vector shapes, so
// the picture stays crisp at any size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "picture.h"
#include "recording_surface.h"
#include "surface.h"

namespace parabel {

// A surface that writes what is drawn on it as an SVG picture of the layout
// (view box width x height), composed as the raster export composes it:
//   - the frame: white, its one-pixel black outline as a filled path;
//   - the surface clipped to its rectangle within the frame (a clipPath), its
//     backdrop (`surfaceBackdrop`, one pixel per surface row, as repaint
//     fills it) at the start and at every repaint;
//   - every line as an SVG line through pixel centres (+0.5) in the pen
//     colour, with square caps: a line of n steps ends (n - 1) / n of the way
//     to its end point, since the end point itself is not drawn, so at one
//     unit per pixel it covers the pixels the raster line sets; a line of
//     one step is its start pixel, a 1 x 1 rectangle in the pen colour; lines
//     are cut to just outside the surface, so no coordinate grows beyond it;
//   - every text as its cell, a TextWidth x kGlyphCellHeight rectangle in the
//     brush colour, and a <text> in the font colour, DejaVu Sans 11px, on the
//     cell's baseline and stretched to the cell's width; texts whose cell lies
//     wholly outside the surface are left out.
// Pen, brush and font start black, white and black; colour values draw as
// ResolveColor resolves them. The document is UTF-8 with LF line ends.
class SvgSurface final : public Surface {
  public:
    SvgSurface(const PictureLayout& layout, std::vector<Pixel> surfaceBackdrop);

    void Repaint() override;
    void SetPenColor(ColorValue color) override { pen_ = color; }
    void SetBrushColor(ColorValue color) override { brush_ = color; }
    void SetFontColor(ColorValue color) override { font_ = color; }
    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override;

    // The whole document with everything drawn so far.
    std::string Document() const;

  private:
    void Dot();

    PictureLayout layout_;
    std::vector<Pixel> backdrop_;
    std::string body_;  // the surface's elements
    ColorValue pen_ = kBlackColor;
    ColorValue brush_ = kWhiteColor;
    ColorValue font_ = kBlackColor;
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
};

// The SVG document of recorded operations drawn on an SvgSurface.
std::string EncodeSvg(const PictureLayout& layout, std::vector<Pixel> surfaceBackdrop,
                      const std::vector<DrawOp>& ops);

}  // namespace parabel
