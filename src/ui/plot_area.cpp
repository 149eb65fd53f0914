#include "plot_area.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QWindow>
#include <cmath>

#include "accessibility.h"
#include "context_menu.h"
#include "core/catalog.h"
#include "native_pointer.h"
#include "picture_image.h"

namespace parabel::ui {

namespace {

// The focus frame's distance from the area's edge: inside the frame's
// outline, in the margin around the surface.
constexpr int kFocusInset = 3;

}  // namespace

PlotArea::PlotArea(const PictureLayout& layout, QWidget* parent)
    : QWidget(parent), layout_(layout) {
    setFixedSize(layout.width, layout.height);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);

    QMenu* menu = createContextMenu(this);
    copyAction_ = menu->addAction(QString::fromUtf8(Text(Message::kCopyPlot)));
    copyAction_->setObjectName(QStringLiteral("copyPlotAction"));
    // Ctrl+C while the plot has the focus; the field's and the list's copy
    // stay theirs.
    copyAction_->setShortcuts(QKeySequence::Copy);
    copyAction_->setShortcutContext(Qt::WidgetShortcut);
    addAction(copyAction_);
    connect(copyAction_, &QAction::triggered, this, &PlotArea::copyRequested);
    connect(&NativePointer::instance(), &NativePointer::pointerMoved, this,
            &PlotArea::nativeMotion);
}

void PlotArea::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        copyAction_->setText(QString::fromUtf8(Text(Message::kCopyPlot)));
    }
    QWidget::changeEvent(event);
}

void PlotArea::setSurface(const RasterSurface* surface) {
    surface_ = surface;
    update();
}

void PlotArea::describe(const PlotState& state) {
    describePlotArea(this, state);
}

QPoint PlotArea::pixelAt(QPointF position) {
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

QPoint PlotArea::pixelAtDevice(QPointF devicePosition, qreal ratio, QPointF pictureInWindow) {
    // The picture pixel that the device pixel under the pointer shows, found
    // as the toolkit's raster engine scales a picture without smoothing: the
    // device pixel's centre, from the picture's device origin, in steps of
    // 1/ratio picture pixels held as 16.16 fixed point (rounded down), so
    // that a centre on a border goes where the toolkit's drawing puts it.
    const auto step = static_cast<std::int64_t>(65536 / ratio);
    const auto shown = [&](qreal device, qreal origin) {
        return static_cast<int>(
            std::floor((std::floor(device) + 0.5 - origin * ratio) * double(step) / 65536.0));
    };
    return {shown(devicePosition.x(), pictureInWindow.x()),
            shown(devicePosition.y(), pictureInWindow.y())};
}

void PlotArea::nativeMotion(WId window, QPointF devicePosition) {
    const QWidget* top = this->window();
    if (!isVisible() || top->windowHandle() == nullptr || top->windowHandle()->winId() != window) {
        return;
    }
    // As the toolkit does: a modal window takes the pointer from the others.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != top) {
        return;
    }
    // Only where the toolkit paints the area: its corner and size scaled and
    // rounded, which at a scale factor such as 1.75 leaves out a device row
    // half on it.
    const qreal ratio = top->devicePixelRatioF();
    const QPoint corner = mapTo(top, QPoint(0, 0));
    const QRect painted(qRound(corner.x() * ratio), qRound(corner.y() * ratio),
                        qRound(width() * ratio), qRound(height() * ratio));
    if (!painted.contains(pixelAt(devicePosition))) {
        return;
    }
    // The area shows its picture, the frame with the surface in it, as one
    // image from its corner (paintEvent).
    const QPoint pixel = pixelAtDevice(devicePosition, ratio, corner);
    if (rect().contains(pixel)) {
        emit pointerMoved(pixel, mapToGlobal(pixel));
    }
}

QRect PlotArea::surfaceRect() const {
    if (surface_ == nullptr) {
        return {};
    }
    return QRect(layout_.surfaceLeft, layout_.surfaceTop, surface_->width(), surface_->height())
        .intersected(rect());
}

void PlotArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPicture(painter);
    if (hasFocus()) {
        // Only in the margin: the plot's own pixels stay as they are.
        painter.setClipRegion(QRegion(rect()).subtracted(surfaceRect()));
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
        option.backgroundColor = Qt::white;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PlotArea::paintPicture(QPainter& painter) const {
    // The picture the plot exports, the frame with the surface in it. At a
    // fractional scale factor it is drawn as one image from the area's
    // corner, so that the frame and the plot lie on the one grid of picture
    // pixels that the pointer read-out counts in. At a whole one each picture
    // pixel is the same square of device pixels however it is drawn: the
    // frame is filled and the surface drawn from its own pixels, with no
    // copy of the whole picture at each paint.
    static const RasterSurface kNoSurface(0, 0, kWhitePixel);
    const RasterSurface& surface = surface_ != nullptr ? *surface_ : kNoSurface;
    const qreal ratio = devicePixelRatioF();
    if (ratio != std::floor(ratio)) {
        painter.drawImage(0, 0, pictureImage(Framed(surface, layout_)));
        return;
    }
    painter.fillRect(rect(), Qt::white);
    for (const QRect& side : {QRect(0, 0, width(), 1), QRect(0, height() - 1, width(), 1),
                              QRect(0, 0, 1, height()), QRect(width() - 1, 0, 1, height())}) {
        painter.fillRect(side, Qt::black);
    }
    const QRect shown = surfaceRect();
    if (!shown.isEmpty()) {
        // The pixels are 0xAARRGGBB words with the alpha byte full, which is
        // what QImage::Format_RGB32 holds; the image only reads them.
        const QImage pixels(reinterpret_cast<const uchar*>(surface.pixels().data()),
                            surface.width(), surface.height(),
                            static_cast<qsizetype>(surface.width()) * sizeof(Pixel),
                            QImage::Format_RGB32);
        painter.drawImage(shown, pixels,
                          shown.translated(-layout_.surfaceLeft, -layout_.surfaceTop));
    }
}

void PlotArea::mouseMoveEvent(QMouseEvent* event) {
    if (NativePointer::instance().watching()) {
        return;  // read where the windowing system reports it, unrounded
    }
    // The screen's pixel from the area's: the area lies on whole logical
    // pixels, and the event's own screen position may come rounded.
    const QPoint pixel = pixelAt(event->position());
    emit pointerMoved(pixel, mapToGlobal(pixel));
}

}  // namespace parabel::ui
