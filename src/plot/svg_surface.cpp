#include "svg_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "glyphs.h"
#include "pixel_rect.h"

namespace parabel {

namespace {

// Where the baseline of the plot font lies in its 13-pixel cell: the glyphs'
// ink of digits and capitals ends on row 9.
constexpr int kBaselineInCell = 10;

std::string Color(ColorValue value) {
    return HexOfPixel(ResolveColor(value));
}

// A coordinate with at most three decimals and no trailing zeros.
std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    std::string text = buffer;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

std::string EscapeText(const std::string& text) {
    std::string escaped;
    for (const char character : text) {
        switch (character) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            default:
                // Printable ASCII by the surface's contract; anything else
                // would not be valid XML text.
                escaped += character >= 0x20 && character < 0x7F ? character : '?';
        }
    }
    return escaped;
}

struct Segment {
    double x0, y0, x1, y1;
};

// Cuts the segment to the box [left, right] x [top, bottom] (Liang-Barsky);
// false when nothing of it lies inside.
bool ClipSegment(Segment& segment, double left, double top, double right, double bottom) {
    const double dx = segment.x1 - segment.x0;
    const double dy = segment.y1 - segment.y0;
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {segment.x0 - left, right - segment.x0, segment.y0 - top,
                         bottom - segment.y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) {
        return false;
    }
    segment = {segment.x0 + t0 * dx, segment.y0 + t0 * dy, segment.x0 + t1 * dx,
               segment.y0 + t1 * dy};
    return true;
}

}  // namespace

SvgSurface::SvgSurface(const PictureLayout& layout, std::vector<Pixel> surfaceBackdrop)
    : layout_(layout), backdrop_(std::move(surfaceBackdrop)) {
    Repaint();
}

// The surface's backdrop: one rectangle per run of rows of one colour.
void SvgSurface::Repaint() {
    const int rows = std::min<int>(std::max(layout_.surfaceHeight, 0), backdrop_.size());
    for (int top = 0; top < rows;) {
        int bottom = top + 1;
        while (bottom < rows && backdrop_[bottom] == backdrop_[top]) {
            ++bottom;
        }
        body_ += "<rect y=\"" + std::to_string(top) + "\" width=\"" +
                 std::to_string(layout_.surfaceWidth) + "\" height=\"" +
                 std::to_string(bottom - top) + "\" fill=\"" + HexOfPixel(backdrop_[top]) +
                 "\"/>\n";
        top = bottom;
    }
}

void SvgSurface::MoveTo(std::int32_t x, std::int32_t y) {
    x_ = x;
    y_ = y;
}

void SvgSurface::LineTo(std::int32_t x, std::int32_t y) {
    const double dx = double(x) - x_;
    const double dy = double(y) - y_;
    const double steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 1) {
        Dot();
    } else if (steps > 1) {  // no step: only the end point, which is not drawn
        const double reach = (steps - 1) / steps;
        Segment segment{double(x_), double(y_), x_ + dx * reach, y_ + dy * reach};
        // One pixel of margin keeps the square caps' ends outside the surface.
        if (ClipSegment(segment, -1, -1, layout_.surfaceWidth + 1.0, layout_.surfaceHeight + 1.0)) {
            body_ += "<line x1=\"" + Number(segment.x0 + 0.5) + "\" y1=\"" +
                     Number(segment.y0 + 0.5) + "\" x2=\"" + Number(segment.x1 + 0.5) + "\" y2=\"" +
                     Number(segment.y1 + 0.5) + "\" stroke=\"" + Color(pen_) + "\"/>\n";
        }
    }
    x_ = x;
    y_ = y;
}

// A line of one step sets its start pixel alone: a pixel-sized square, since
// renderers draw no cap on a line of no length.
void SvgSurface::Dot() {
    if (x_ >= 0 && y_ >= 0 && x_ < layout_.surfaceWidth && y_ < layout_.surfaceHeight) {
        body_ += "<rect x=\"" + std::to_string(x_) + "\" y=\"" + std::to_string(y_) +
                 "\" width=\"1\" height=\"1\" fill=\"" + Color(pen_) + "\"/>\n";
    }
}

void SvgSurface::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
    const int width = TextWidth(text);
    const PixelRect cell =
        ClipRect(x, y, std::int64_t(x) + width, std::int64_t(y) + kGlyphCellHeight,
                 layout_.surfaceWidth, layout_.surfaceHeight);
    if (!cell.Empty()) {
        body_ += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
                 std::to_string(width) + "\" height=\"" + std::to_string(kGlyphCellHeight) +
                 "\" fill=\"" + Color(brush_) + "\"/>\n";
        body_ += "<text x=\"" + std::to_string(x) + "\" y=\"" +
                 std::to_string(std::int64_t(y) + kBaselineInCell) + "\" fill=\"" + Color(font_) +
                 "\" textLength=\"" + std::to_string(width) +
                 "\" lengthAdjust=\"spacingAndGlyphs\" xml:space=\"preserve\">" + EscapeText(text) +
                 "</text>\n";
    }
    // The position wraps in 32 bits like every coordinate.
    x_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(x) +
                                   static_cast<std::uint32_t>(width));
    y_ = y;
}

std::string SvgSurface::Document() const {
    const std::string width = std::to_string(std::max(layout_.width, 0));
    const std::string height = std::to_string(std::max(layout_.height, 0));
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height +
           "\" viewBox=\"0 0 " + width + " " + height + "\">\n";
    svg += "<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"#ffffff\"/>\n";
    // The outline: the outer rectangle less the inner one.
    std::string outline = "M0 0H" + width + "V" + height + "H0Z";
    if (layout_.width > 2 && layout_.height > 2) {
        outline += "M1 1V" + std::to_string(layout_.height - 1) + "H" +
                   std::to_string(layout_.width - 1) + "V1Z";
    }
    svg += "<path d=\"" + outline + "\" fill=\"#000000\" fill-rule=\"evenodd\"/>\n";

    const PixelRect clip =
        ClipRect(layout_.surfaceLeft, layout_.surfaceTop,
                 std::int64_t(layout_.surfaceLeft) + std::max(layout_.surfaceWidth, 0),
                 std::int64_t(layout_.surfaceTop) + std::max(layout_.surfaceHeight, 0),
                 layout_.width, layout_.height);
    svg += "<clipPath id=\"surface\"><rect x=\"" + std::to_string(clip.left) + "\" y=\"" +
           std::to_string(clip.top) + "\" width=\"" + std::to_string(clip.Width()) +
           "\" height=\"" + std::to_string(clip.Height()) + "\"/></clipPath>\n";
    svg += "<g clip-path=\"url(#surface)\">\n";
    svg += "<g transform=\"translate(" + std::to_string(layout_.surfaceLeft) + " " +
           std::to_string(layout_.surfaceTop) +
           ")\" stroke-width=\"1\" stroke-linecap=\"square\""
           " font-family=\"DejaVu Sans, sans-serif\" font-size=\"11px\">\n";
    return svg + body_ + "</g>\n</g>\n</svg>\n";
}

std::string EncodeSvg(const PictureLayout& layout, std::vector<Pixel> surfaceBackdrop,
                      const std::vector<DrawOp>& ops) {
    SvgSurface surface(layout, std::move(surfaceBackdrop));
    for (const DrawOp& op : ops) {
        switch (op.kind) {
            case DrawOp::Kind::kRepaint:
                surface.Repaint();
                break;
            case DrawOp::Kind::kPen:
                surface.SetPenColor(op.color);
                break;
            case DrawOp::Kind::kBrush:
                surface.SetBrushColor(op.color);
                break;
            case DrawOp::Kind::kFont:
                surface.SetFontColor(op.color);
                break;
            case DrawOp::Kind::kMoveTo:
                surface.MoveTo(op.x, op.y);
                break;
            case DrawOp::Kind::kLineTo:
                surface.LineTo(op.x, op.y);
                break;
            case DrawOp::Kind::kTextOut:
                surface.TextOut(op.x, op.y, op.text);
                break;
        }
    }
    return surface.Document();
}

}  // namespace parabel
