// A cheap proof that drawing an equation on the main panel cannot fault, so
// that callers who need only the fault (not the picture) can skip drawing.
#pragma once

#include "core/extended.h"

namespace parabel {

// True when DrawPlot(a, b, c, root1, root2) is certain to finish: every
// point of the curve, v = ((x a) x + x b + c) 10 for |x| <= 15, stays far
// inside the signed 64-bit range (|v| <= 2250 |a| + 150 |b| + 10 |c| up to
// a few roundings of relative size 2^-64, and that sum is kept below 2^62,
// half the range), and every root label's column, root * 10, does too.
// False means only "not proven": the drawing may still succeed.
bool PanelDrawingCannotFault(Extended a, Extended b, Extended c, double root1, double root2);

}  // namespace parabel
