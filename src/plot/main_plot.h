// The main window's plot panel: 300 x 320 pixels, origin at (150, 160),
// 10 pixels per unit, x to the right and y upward.
#pragma once

#include <string>

#include "plot_state.h"
#include "surface.h"

namespace parabel {

constexpr int kPanelWidth = 300;
constexpr int kPanelHeight = 320;

// Axes, arrowheads, axis letters and ticks in the current pen colour; leaves
// the brush white and the font black; sets state.axesDrawn.
void DrawAxes(Surface& surface, PlotState& state);

// The whole panel for the given equation: repaint, black axes, the curve in
// state.curveColor through the 301 points i = -150 .. 150, the root labels;
// then stores a, b, c, root1 and root2 in the state. An arithmetic fault
// (Overflow, InvalidOperation) leaves it where it happens: what was drawn stays,
// nothing is stored, the pen stays at the curve colour.
void DrawPlot(Surface& surface, PlotState& state, Extended a, Extended b, Extended c, double root1,
              double root2);

// The status text for the pointer at (px, py) of the box over the frame,
// whose coordinates are the panel's plus (8, 8):
// the catalog's read-out ("Graph of the function [X;Y]") with X = (px - 158) / 10, Y = (168 - py) / 10.
std::string PointerText(std::int32_t px, std::int32_t py);

}  // namespace parabel
