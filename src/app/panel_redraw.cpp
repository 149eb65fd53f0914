#include "panel_redraw.h"

#include "plot/main_plot.h"

namespace parabel {

void RedrawFromState(Surface& panel, PlotState& state) {
    if (state.HasPlot()) {
        DrawPlot(panel, state, state.a, state.b, state.c, state.root1, state.root2);
    }
}

void PaintPanelFirstTime(Surface& panel, PlotState& state) {
    if (!state.axesDrawn) {
        DrawAxes(panel, state);
        panel.Repaint();
    }
}

}  // namespace parabel
