#include "main_plot.h"

#include <array>
#include <cstddef>

#include "core/catalog.h"
#include "core/checked.h"
#include "core/real_to_text.h"
#include "core/round.h"
#include "curve.h"

namespace parabel {

namespace {

// "No previous point yet", as one coordinate of the previous point.
constexpr std::int32_t kNoPoint = 2147483647;

constexpr std::int32_t kFirstColumn = -150;
constexpr std::int32_t kLastColumn = 150;
using PanelColumns = std::array<Extended, kLastColumn - kFirstColumn + 1>;

// x = i / 10 of every column i of the panel: the division, the dearest
// operation of a point, done once for all curves.
const PanelColumns& PanelColumnsX() {
    static const PanelColumns kColumns = [] {
        PanelColumns x;
        for (std::int32_t i = kFirstColumn; i <= kLastColumn; ++i) {
            x[static_cast<std::size_t>(i - kFirstColumn)] = ColumnX(i);
        }
        return x;
    }();
    return kColumns;
}

// The 300 segments joining P(i) = (i + 150, 160 - r(i)). A point whose y
// is the "no previous point" marker starts no segment; that y is 160 - R
// from the full 64-bit R, exact in extended precision (it may leave the
// signed 64-bit range), so it is the marker exactly when R is 160 - marker,
// and R itself is compared. The surface gets y's low 32 bits.
void DrawCurve(Surface& surface, Extended a, Extended b, Extended c) {
    constexpr std::int64_t kMarkerRow = 160 - std::int64_t{kNoPoint};
    bool previousPoint = false;
    std::int32_t previousY = 0;
    const PanelColumns& columnsX = PanelColumnsX();
    for (std::int32_t i = kFirstColumn; i <= kLastColumn; ++i) {
        const std::int64_t r =
            CurveRowAtX(columnsX[static_cast<std::size_t>(i - kFirstColumn)], a, b, c);
        const std::int32_t y = WrapSub(160, WrapToInt32(r));
        if (previousPoint) {
            surface.MoveTo(i - 1 + 150, previousY);
            surface.LineTo(i + 150, y);
        }
        previousPoint = r != kMarkerRow;
        previousY = y;
    }
}

void DrawRootLabel(Surface& surface, double root) {
    if (!RootHasLabel(root)) {
        return;
    }
    const std::int32_t s = RootColumn(root);
    surface.TextOut(WrapAdd(s, 153), 145, RealToText(Extended::FromDouble(root)));
}

}  // namespace

void DrawAxes(Surface& surface, PlotState& state) {
    DrawLine(surface, 0, 160, 300, 160);  // x-axis
    DrawLine(surface, 150, 0, 150, 320);  // y-axis
    DrawLine(surface, 150, 0, 146, 10);   // y arrowhead
    DrawLine(surface, 150, 0, 154, 10);
    DrawLine(surface, 300, 160, 290, 156);  // x arrowhead
    DrawLine(surface, 300, 160, 290, 164);
    surface.SetBrushColor(kWhiteColor);
    surface.SetFontColor(kBlackColor);
    surface.TextOut(156, -1, "Y");
    surface.TextOut(291, 143, "X");
    surface.TextOut(152, 162, "0");
    surface.TextOut(162, 162, "1");
    for (std::int32_t k = 1; k <= 29; ++k) {
        DrawLine(surface, 10 * k, 159, 10 * k, 162);
    }
    for (std::int32_t k = 1; k <= 29; ++k) {
        DrawLine(surface, 149, 10 * k, 152, 10 * k);
    }
    state.axesDrawn = true;
}

void DrawPlot(Surface& surface, PlotState& state, Extended a, Extended b, Extended c, double root1,
              double root2) {
    surface.Repaint();
    surface.SetPenColor(kBlackColor);
    DrawAxes(surface, state);
    surface.SetPenColor(state.curveColor);
    DrawCurve(surface, a, b, c);
    DrawRootLabel(surface, root1);
    DrawRootLabel(surface, root2);
    state.a = a;
    state.b = b;
    state.c = c;
    state.root1 = root1;
    state.root2 = root2;
}

std::string PointerText(std::int32_t px, std::int32_t py) {
    const Extended x = Div(WrapSub(px, 158), 10);
    const Extended y = Div(WrapSub(168, py), 10);
    return FormatText(Message::kPlotReadOut, {{"x", RealToText(x)}, {"y", RealToText(y)}});
}

}  // namespace parabel
