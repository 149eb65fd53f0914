// When the full-screen window draws: once per opening on its own (when it is
// shown or the pointer first moves), every time on an explicit command.
#pragma once

#include "plot/full_screen_plot.h"
#include "plot/plot_state.h"
#include "plot/surface.h"

namespace parabel {

class FullScreenDrawing {
  public:
    // A new opening: the next DrawOnce draws.
    void Reset() {
        drawn_ = false;
        failed_ = false;
    }

    // Draws unless this opening already drew, or already faulted (a fault is
    // reported once per opening, not at every pointer move). Raises the
    // drawing's fault the first time it happens.
    void DrawOnce(Surface& surface, ScreenSize screen, const PlotState& main);

    // Refresh and save: always draw. Raises the drawing's fault.
    static void Draw(Surface& surface, ScreenSize screen, const PlotState& main) {
        DrawFullScreenPlot(surface, screen, main);
    }

    bool drawn() const { return drawn_; }

  private:
    bool drawn_ = false;
    bool failed_ = false;
};

}  // namespace parabel
