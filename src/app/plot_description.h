// The plot told in words, for screen readers: the text alternative of the
// picture the main window shows.
#pragma once

#include <string>

#include "plot/plot_state.h"

namespace parabel {

// What the plot shows, in UTF-8 and the interface language: "no graph" when
// nothing is plotted; otherwise the curve and its roots, such as
//   "parabola y = x² - 5x + 6, roots 3 and 2"
//   "parabola y = -x², root 0"
//   "parabola y = x² + 2x + 5, no roots"
// Numbers are written by RealToText, so they carry the program's decimal
// separator; a coefficient of 1 or -1 shows as its sign alone, zero terms are
// left out.
std::string PlotDescription(const PlotState& state);

}  // namespace parabel
