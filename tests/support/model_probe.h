// What tests do to the window models that no command does: wipe a picture,
// to see that a command draws it again, and store a plot state that no typed
// equation reaches.
#pragma once

#include "app/full_screen_model.h"
#include "app/main_window_model.h"

namespace parabel::testing {

struct ModelProbe {
    static PlotState& State(MainWindowModel& model) { return model.state_; }
    static RasterSurface& Panel(MainWindowModel& model) { return model.panel_; }
    static RasterSurface& Picture(FullScreenModel& model) { return model.Surface(); }
};

}  // namespace parabel::testing
