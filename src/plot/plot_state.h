// The main window's plot state: what the last drawing stored and the colour
// it draws with. The window owns one; the drawing functions read and write it.
#pragma once

#include "color.h"
#include "core/extended.h"

namespace parabel {

struct PlotState {
    bool axesDrawn = false;     // DrawAxes has run at least once
    ColorValue curveColor = 0;  // pen colour of the curve
    Extended a = 0;             // the equation last drawn: a x^2 + b x + c
    Extended b = 0;
    Extended c = 0;
    double root1 = 0;  // its roots, or kNoRoot
    double root2 = 0;

    // All three coefficients zero: nothing to plot (before the first solve,
    // or after Clear).
    bool HasPlot() const { return a != 0 || b != 0 || c != 0; }
};

}  // namespace parabel
