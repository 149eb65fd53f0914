// What tests do to the windows that no command does: wipe a plot picture, to
// see that a command draws it again, and store a plot state that no typed
// equation reaches.
#pragma once

#include "support/model_probe.h"
#include "ui/about_dialog.h"
#include "ui/full_screen_window.h"
#include "ui/main_window.h"
#include "ui/worksheet_dialog.h"

namespace parabel::testing {

struct WindowProbe {
    static PlotState& State(ui::MainWindow& window) { return ModelProbe::State(window.model_); }
    static RasterSurface& Panel(ui::MainWindow& window) { return ModelProbe::Panel(window.model_); }
    static RasterSurface& Picture(ui::FullScreenWindow& window) {
        return ModelProbe::Picture(window.model_);
    }
    // The About dialog, made now if the window has not made it yet.
    static ui::AboutDialog& About(ui::MainWindow& window) { return window.aboutDialog(); }
    // The full-screen window, likewise.
    static ui::FullScreenWindow& FullScreen(ui::MainWindow& window) {
        return window.fullScreenWindow();
    }
    // The worksheet dialog, likewise.
    static ui::WorksheetDialog& Worksheet(ui::MainWindow& window) {
        return window.worksheetDialog();
    }
};

}  // namespace parabel::testing
