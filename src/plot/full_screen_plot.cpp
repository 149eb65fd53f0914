#include "full_screen_plot.h"

#include "core/checked.h"
#include "core/int128.h"
#include "core/real_to_text.h"
#include "core/round.h"
#include "curve.h"

namespace parabel {

namespace {

constexpr std::int32_t kNoPoint = 2147483647;

// n / d rounded ties to even, as its low 32 bits.
std::int32_t RoundedQuotient(std::int32_t n, std::int32_t d) {
    return WrapToInt32(RoundToInteger(Div(n, d)));
}

void DrawFullScreenAxes(Surface& surface, ScreenSize screen, std::int32_t hx, std::int32_t hy) {
    const std::int32_t w = screen.width;
    const std::int32_t h = screen.height;
    const std::int32_t axisY = WrapSub(hy, 20);
    const std::int32_t right = WrapSub(w, 16);
    const std::int32_t arrowX = WrapSub(w, 26);
    DrawLine(surface, 0, axisY, right, axisY);
    DrawLine(surface, hx, 0, hx, WrapSub(h, 50));
    DrawLine(surface, hx, 0, WrapSub(hx, 4), 10);
    DrawLine(surface, hx, 0, WrapAdd(hx, 4), 10);
    DrawLine(surface, right, axisY, arrowX, WrapSub(hy, 24));
    DrawLine(surface, right, axisY, arrowX, WrapSub(hy, 16));
    surface.SetBrushColor(kWhiteColor);
    surface.SetFontColor(kBlackColor);
    surface.TextOut(WrapAdd(hx, 6), -1, "Y");
    surface.TextOut(WrapSub(w, 25), WrapSub(hy, 15), "X");
    surface.TextOut(WrapAdd(hx, 2), WrapSub(hy, 18), "0");
    surface.TextOut(WrapAdd(hx, 12), WrapSub(hy, 18), "1");
    const std::int32_t xTicks = RoundedQuotient(w, 10);
    for (std::int32_t k = 1; k <= xTicks; ++k) {
        const std::int32_t x = WrapToInt32(10LL * k);
        DrawLine(surface, x, WrapSub(hy, 21), x, WrapSub(hy, 18));
    }
    const std::int32_t yTicks = RoundedQuotient(h, 10);
    for (std::int32_t k = 1; k <= yTicks; ++k) {
        const std::int32_t y = WrapToInt32(10LL * k);
        DrawLine(surface, WrapSub(hx, 1), y, WrapAdd(hx, 2), y);
    }
}

// The curve through i = -hx .. hx; every coordinate wraps in 32 bits.
void DrawCurve(Surface& surface, const PlotState& main, std::int32_t hx, std::int32_t hy) {
    std::int32_t previousX = kNoPoint;
    std::int32_t previousY = kNoPoint;
    for (std::int64_t i = -static_cast<std::int64_t>(hx); i <= hx; ++i) {
        const std::int32_t r = WrapToInt32(CurveRow(i, main.a, main.b, main.c));
        const std::int32_t x = WrapAdd(hx, static_cast<std::int32_t>(i));
        const std::int32_t y = WrapSub(WrapSub(hy, 20), r);
        if (previousX != kNoPoint && previousY != kNoPoint) {
            surface.MoveTo(previousX, previousY);
            surface.LineTo(x, y);
        }
        previousX = x;
        previousY = y;
    }
}

void DrawRootLabel(Surface& surface, double root, std::int32_t hx, std::int32_t hy) {
    if (!RootHasLabel(root)) {
        return;
    }
    const std::int32_t s = RootColumn(root);
    surface.TextOut(WrapAdd(WrapAdd(hx, s), 5), WrapSub(hy, 33),
                    RealToText(Extended::FromDouble(root)));
}

}  // namespace

void DrawFullScreenPlot(Surface& surface, ScreenSize screen, const PlotState& main) {
    const std::int32_t hx = RoundedQuotient(screen.width, 2);
    const std::int32_t hy = RoundedQuotient(screen.height, 2);
    surface.Repaint();
    DrawFullScreenAxes(surface, screen, hx, hy);
    if (main.HasPlot()) {
        surface.SetPenColor(main.curveColor);
        DrawCurve(surface, main, hx, hy);
        DrawRootLabel(surface, main.root1, hx, hy);
        DrawRootLabel(surface, main.root2, hx, hy);
        surface.SetPenColor(kBlackColor);
    }
}

std::string FullScreenPointerText(std::int64_t cx, std::int64_t cy, ScreenSize screen) {
    // The numerators are 64-bit sums; taken in 128 bits they are exact for
    // every pointer position, and convert to the same extended value as the
    // 64-bit sum wherever that one does not overflow.
    const Int128 hx = RoundedQuotient(screen.width, 2);
    const Int128 hy = RoundedQuotient(screen.height, 2);
    const Extended x = Div(ExtendedFromInteger128(cx - hx - 8), 10);
    const Extended y = Div(ExtendedFromInteger128(hy + 9 - cy), 10);
    std::string text = "[";
    text += RealToText(x);
    text += ';';
    text += RealToText(y);
    text += ']';
    return text;
}

}  // namespace parabel
