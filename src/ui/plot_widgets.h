// The widgets of a plot area: the frame, the drawing surface that shows a
// raster surface's kept picture, and the invisible box that reads the pointer.
#pragma once

#include <QWidget>
#include <functional>

#include "plot/raster_surface.h"

namespace parabel::ui {

// A rectangle with a white interior and a one-pixel black outline.
class PlotFrame : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Shows the pixels of a raster surface, which keeps its picture; without a
// surface yet, what lies under it shows.
class SurfaceView : public QWidget {
  public:
    SurfaceView(RasterSurface* surface, QWidget* parent);
    void SetSurface(RasterSurface* surface);
    // Call after drawing on the surface.
    void Changed() { update(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    RasterSurface* surface_;
};

// An invisible box over the frame: reports pointer moves in its own
// coordinates.
class PointerArea : public QWidget {
  public:
    explicit PointerArea(QWidget* parent);
    std::function<void(int x, int y)> onMouseMove;

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace parabel::ui
