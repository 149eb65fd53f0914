// The page's full-screen view without widgets: the plot of the main panel's
// equation across a screen of W x H pixels (the picture W x (H - 40) between
// the menu bar and the status bar), its pointer read-out in screen
// coordinates, refresh and save, as the desktop's full-screen window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/full_screen_drawing.h"
#include "plot/full_screen_plot.h"
#include "plot/plot_state.h"
#include "plot/raster_surface.h"
#include "report.h"

namespace parabel::web {

class FullScreenModel {
  public:
    // Draws what `main` holds; its owner keeps it alive.
    explicit FullScreenModel(const PlotState& main) : main_(main) {}

    // A new opening on a screen of this size: the picture is drawn once
    // (a fault is reported at this first drawing only, not at every pointer
    // move after it).
    Report Open(int screenWidth, int screenHeight);
    // The refresh command: always draws.
    Report Refresh();
    // The read-out of the pointer at screen point (x, y); the picture is
    // drawn first if this opening has not drawn it yet.
    std::string PointerText(int x, int y, Report& report);

    int width() const { return screen_.width; }
    int height() const { return screen_.height - 40; }
    // The picture as RGBA bytes (see PictureRgba), width() x height();
    // valid until the next call.
    const std::vector<std::uint8_t>& Rgba();
    // The save command's file: the picture as the desktop's BMP.
    std::vector<std::uint8_t> Bmp();

  private:
    RasterSurface& Surface();
    Report DrawOnce();

    const PlotState& main_;
    ScreenSize screen_;
    std::unique_ptr<RasterSurface> surface_;
    FullScreenDrawing drawing_;
    std::vector<std::uint8_t> rgba_;
};

}  // namespace parabel::web
