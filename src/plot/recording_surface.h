// A surface that records the operations drawn on it, for comparing a drawing
// with its prescribed operation list and for printing it as a trace.
#pragma once

#include <string>
#include <vector>

#include "surface.h"

namespace parabel {

struct DrawOp {
    enum class Kind { kRepaint, kPen, kBrush, kFont, kMoveTo, kLineTo, kTextOut };
    Kind kind;
    std::int32_t x = 0;
    std::int32_t y = 0;
    ColorValue color = 0;
    std::string text;

    bool operator==(const DrawOp&) const = default;

    // One trace line: "repaint", "pen 000000FF", "brush ...", "font ...",
    // "moveto X Y", "lineto X Y", "textout X Y TEXT".
    std::string ToString() const;
};

DrawOp RepaintOp();
DrawOp PenOp(ColorValue color);
DrawOp BrushOp(ColorValue color);
DrawOp FontOp(ColorValue color);
DrawOp MoveToOp(std::int32_t x, std::int32_t y);
DrawOp LineToOp(std::int32_t x, std::int32_t y);
DrawOp TextOutOp(std::int32_t x, std::int32_t y, std::string text);

class RecordingSurface final : public Surface {
  public:
    void Repaint() override { ops_.push_back(RepaintOp()); }
    void SetPenColor(ColorValue color) override { ops_.push_back(PenOp(color)); }
    void SetBrushColor(ColorValue color) override { ops_.push_back(BrushOp(color)); }
    void SetFontColor(ColorValue color) override { ops_.push_back(FontOp(color)); }
    void MoveTo(std::int32_t x, std::int32_t y) override { ops_.push_back(MoveToOp(x, y)); }
    void LineTo(std::int32_t x, std::int32_t y) override { ops_.push_back(LineToOp(x, y)); }
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override {
        ops_.push_back(TextOutOp(x, y, text));
    }

    const std::vector<DrawOp>& ops() const { return ops_; }
    void Clear() { ops_.clear(); }

  private:
    std::vector<DrawOp> ops_;
};

}  // namespace parabel
