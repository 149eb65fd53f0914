// The main window's plot state: what the last drawing stored and the colour
// it draws with. The window owns one; the drawing functions read and write it.
#pragma once

#include "color.h"
#include "core/extended.h"

namespace parabel {

struct PlotState {
    bool axesDrawn = false;    // FAxesDrawn: RePay has run at least once
    ColorValue funcColor = 0;  // FFuncColor: pen colour of the curve
    Extended coefA = 0;        // FCoefA, FCoefB, FCoefC: the equation last drawn
    Extended coefB = 0;
    Extended coefC = 0;
    double root1 = 0;  // FRoot1, FRoot2: its roots, or kNoRoot
    double root2 = 0;

    // All three coefficients zero: nothing to plot (before the first solve,
    // or after Clear).
    bool HasPlot() const { return coefA != 0 || coefB != 0 || coefC != 0; }
};

}  // namespace parabel
