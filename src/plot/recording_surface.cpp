#include "recording_surface.h"

#include <cstdio>

namespace parabel {

namespace {

std::string WithColor(const char* name, ColorValue color) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%s %08X", name, static_cast<unsigned>(color));
    return buffer;
}

std::string WithPoint(const char* name, std::int32_t x, std::int32_t y) {
    return std::string(name) + " " + std::to_string(x) + " " + std::to_string(y);
}

}  // namespace

std::string DrawOp::ToString() const {
    switch (kind) {
        case Kind::kRepaint:
            return "repaint";
        case Kind::kPen:
            return WithColor("pen", color);
        case Kind::kBrush:
            return WithColor("brush", color);
        case Kind::kFont:
            return WithColor("font", color);
        case Kind::kMoveTo:
            return WithPoint("moveto", x, y);
        case Kind::kLineTo:
            return WithPoint("lineto", x, y);
        case Kind::kTextOut:
            return WithPoint("textout", x, y) + " " + text;
    }
    return {};
}

DrawOp RepaintOp() {
    return {DrawOp::Kind::kRepaint, 0, 0, 0, {}};
}
DrawOp PenOp(ColorValue color) {
    return {DrawOp::Kind::kPen, 0, 0, color, {}};
}
DrawOp BrushOp(ColorValue color) {
    return {DrawOp::Kind::kBrush, 0, 0, color, {}};
}
DrawOp FontOp(ColorValue color) {
    return {DrawOp::Kind::kFont, 0, 0, color, {}};
}
DrawOp MoveToOp(std::int32_t x, std::int32_t y) {
    return {DrawOp::Kind::kMoveTo, x, y, 0, {}};
}
DrawOp LineToOp(std::int32_t x, std::int32_t y) {
    return {DrawOp::Kind::kLineTo, x, y, 0, {}};
}
DrawOp TextOutOp(std::int32_t x, std::int32_t y, std::string text) {
    return {DrawOp::Kind::kTextOut, x, y, 0, std::move(text)};
}

}  // namespace parabel
