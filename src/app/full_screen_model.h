// The full-screen view without widgets: the plot of the main panel's
// equation across the screen (the picture W x (H - 40) between the menu bar
// and the status bar), drawn once per opening and again on refresh and save,
// its pointer read-out in screen coordinates, and its picture file. The
// desktop's full-screen window and the page's full-screen view run it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/error_report.h"
#include "app/full_screen_drawing.h"
#include "app/picture_file.h"
#include "plot/full_screen_plot.h"
#include "plot/picture.h"
#include "plot/plot_state.h"
#include "plot/raster_surface.h"

namespace parabel {

namespace testing {
struct ModelProbe;
}

class FullScreenModel {
  public:
    // The screen's size, read afresh at every drawing and read-out.
    using ScreenSource = std::function<ScreenSize()>;

    // Draws what `main` holds (its owner keeps it alive and changes it only
    // while the view is closed) for the screen `screen` gives; lays the
    // picture out for the screen of now. `title` captions the general error
    // report.
    FullScreenModel(std::string title, const PlotState& main, ScreenSource screen);

    // Lays the picture out for the screen of now: the frame and its surface.
    // The window does it once, when it is made; the page at each opening and
    // whenever its screen changes size. The surface of another size goes.
    void LayOut();
    const PictureLayout& layout() const { return layout_; }

    // A new opening: the next DrawOnce draws.
    void BeginOpening() { drawing_.Reset(); }
    // Draws the picture unless this opening already drew it, or already
    // faulted: a fault is reported once per opening, not at every pointer
    // move.
    Report DrawOnce();
    // The refresh command, and the drawing before a save: always draws.
    Report Refresh();
    bool drawnSinceOpened() const { return drawing_.drawn(); }

    // The read-out of the pointer at screen point (x, y).
    std::string PointerText(int x, int y) const;

    // The drawing surface; none before the first drawing.
    const RasterSurface* surface() const { return surface_.get(); }
    // The picture the save and copy commands write: the frame with the
    // surface (made now if not yet drawn, showing its backdrop).
    FramedSurface Picture();
    FileContent PictureFile(RasterFormat format);
    // The save command's file written at `path`.
    Report SavePicture(const std::string& path);

  private:
    RasterSurface& Surface();

    std::string title_;
    const PlotState& main_;
    ScreenSource screen_;
    ScreenSize laidOutFor_;
    PictureLayout layout_;
    std::unique_ptr<RasterSurface> surface_;
    FullScreenDrawing drawing_;

    friend struct testing::ModelProbe;
};

}  // namespace parabel
