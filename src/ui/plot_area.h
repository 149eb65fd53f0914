// A plot on screen: the frame of the picture the plot exports, with a raster
// surface's kept picture at its place in the frame. It reads the pointer,
// takes the keyboard focus by Tab (a dotted focus frame drawn in the frame's
// margin, never over the surface's pixels), copies its picture by Ctrl+C or
// its context menu, and tells screen readers what it shows.
#pragma once

#include <QWidget>
#include <cstdint>

#include "plot/picture.h"
#include "plot/plot_state.h"
#include "plot/raster_surface.h"

class QAction;
class QPainter;

namespace parabel::ui {

class PlotArea : public QWidget {
    Q_OBJECT
  public:
    // The area is the frame of `layout`; the surface shows at its place.
    PlotArea(const PictureLayout& layout, QWidget* parent);

    // Until a surface is set, the frame shows empty.
    void setSurface(const RasterSurface* surface);
    const RasterSurface* surface() const { return surface_; }

    // Tells screen readers what `state` shows.
    void describe(const PlotState& state);

    // The pointer's pixel under `position`, a point in the area's own
    // logical coordinates: on a screen of scale factor s, the s x s device
    // pixels of one logical pixel all read that pixel.
    static QPoint pixelAt(QPointF position);
    // The pixel of a picture drawn at the logical point `pictureInWindow` of
    // a native window of `ratio` device pixels per logical pixel that the
    // device pixel under `devicePosition` shows: at a scale factor of 1.5 a
    // plot pixel drawn over two device pixels reads itself on both.
    static QPoint pixelAtDevice(QPointF devicePosition, qreal ratio, QPointF pictureInWindow);

  signals:
    // The pointer moved to the pixel `local` of the area, `global` on the
    // screen.
    void pointerMoved(QPoint local, QPoint global);
    // Ctrl+C or "copy the graph" in the context menu.
    void copyRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QRect surfaceRect() const;
    void paintPicture(QPainter& painter) const;
    // A motion the windowing system reported (NativePointer).
    void nativeMotion(WId window, QPointF devicePosition);

    PictureLayout layout_;
    const RasterSurface* surface_ = nullptr;
    QAction* copyAction_ = nullptr;
};

}  // namespace parabel::ui
