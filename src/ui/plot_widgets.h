// The widgets of a plot area: the frame, the view that shows a raster
// surface's kept picture, and the invisible area that reads the pointer.
#pragma once

#include <QWidget>

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
    SurfaceView(const RasterSurface* surface, QWidget* parent);
    void setSurface(const RasterSurface* surface);
    // Call after drawing on the surface.
    void surfaceChanged() { update(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const RasterSurface* surface_;
};

// An invisible area over the frame that reports pointer moves in its own
// coordinates.
class PointerArea : public QWidget {
    Q_OBJECT
  public:
    explicit PointerArea(QWidget* parent);

  signals:
    void pointerMoved(int x, int y);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace parabel::ui
