#include "plot_widgets.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace parabel::ui {

void PlotFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

SurfaceView::SurfaceView(const RasterSurface* surface, QWidget* parent)
    : QWidget(parent), surface_(nullptr) {
    setSurface(surface);
}

void SurfaceView::setSurface(const RasterSurface* surface) {
    surface_ = surface;
    setAttribute(Qt::WA_OpaquePaintEvent, surface != nullptr);
    update();
}

void SurfaceView::paintEvent(QPaintEvent*) {
    if (surface_ == nullptr) {
        return;
    }
    const QImage image(reinterpret_cast<const uchar*>(surface_->pixels().data()), surface_->width(),
                       surface_->height(), qsizetype{surface_->width()} * 4, QImage::Format_RGB32);
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

PointerArea::PointerArea(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void PointerArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    emit pointerMoved(position.x(), position.y());
}

}  // namespace parabel::ui
