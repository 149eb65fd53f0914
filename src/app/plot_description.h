// The plot told in words, for screen readers: the text alternative of the
// picture the main window shows.
#pragma once

#include <string>

#include "plot/plot_state.h"

namespace parabel {

// What the plot shows, in UTF-8: "нет графика" when nothing is plotted;
// otherwise the curve and its roots, such as
//   "парабола y = x² - 5x + 6, корни 3 и 2"
//   "парабола y = -x², корень 0"
//   "парабола y = x² + 2x + 5, корней нет"
// Numbers are written by RealToText, so they carry the program's decimal
// separator; a coefficient of 1 or -1 shows as its sign alone, zero terms are
// left out.
std::string PlotDescription(const PlotState& state);

}  // namespace parabel
