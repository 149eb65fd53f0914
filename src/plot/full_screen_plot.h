// The full-screen plot for a screen of W x H pixels: the drawing surface
// (W - 16) x (H - 16) with the origin at (hx, hy - 20), hx and hy being half
// the screen's width and height rounded ties to even.
#pragma once

#include <cstdint>
#include <string>

#include "plot_state.h"
#include "surface.h"

namespace parabel {

struct ScreenSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The refresh command's drawing: repaint, axes, arrowheads, letters and ticks
// in the surface's current pen, then, when the main state holds an equation,
// the curve for i = -hx .. hx in its colour and the root labels, and the pen
// black again. An arithmetic fault (Overflow, InvalidOperation) stops it where it
// happens, leaving the pen at the curve colour.
void DrawFullScreenPlot(Surface& surface, ScreenSize screen, const PlotState& main);

// The status text for the pointer at screen point (cx, cy): "[X;Y]" with
// X = (cx - hx - 8) / 10 and Y = (hy + 9 - cy) / 10.
std::string FullScreenPointerText(std::int64_t cx, std::int64_t cy, ScreenSize screen);

}  // namespace parabel
