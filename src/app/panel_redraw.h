// Drawing the main panel again from what it stored, as the refresh command,
// the redraw timer and every dialog command do.
#pragma once

#include "plot/plot_state.h"
#include "plot/surface.h"

namespace parabel {

// DrawPlot with the stored equation when at least one coefficient is
// non-zero; otherwise nothing. Raises what DrawPlot raises.
void RedrawFromState(Surface& panel, PlotState& state);

// The panel's first paint: the axes are drawn once and covered again at
// once, so the panel shows its backdrop until the first plot. Later paints
// do nothing.
void PaintPanelFirstTime(Surface& panel, PlotState& state);

}  // namespace parabel
