// The print preview module (print_preview.h).
#include "print_preview.h"

#include <QLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <algorithm>

namespace {

// The print preview at a size that shows every tool of its toolbar, the
// print button among them, and most of the screen's height for the page;
// within the screen.
QSize previewSize(const QPrintPreviewDialog& preview) {
    QSize size = preview.sizeHint();
    if (const auto* toolbar = preview.findChild<QToolBar*>()) {
        const QMargins margins =
            preview.layout() != nullptr ? preview.layout()->contentsMargins() : QMargins();
        size.setWidth(
            std::max(size.width(), toolbar->sizeHint().width() + margins.left() + margins.right()));
    }
    const QScreen* screen = preview.screen();
    if (screen == nullptr) {
        return size;
    }
    const QSize available = screen->availableSize();
    size.setHeight(std::max(size.height(), available.height() * 3 / 4));
    return size.boundedTo(available);
}

bool runPrintPreview(QWidget* parent, const QPageSize& pageSize, int pageCount,
                     const parabel::ui::Platform::PagePainting& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(pageSize);
    printer.setFullPage(true);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint, pageCount](QPrinter* device) {
                         // The preview records the pages as pictures, which
                         // it shows on screen scaled to its zoom.
                         const bool onScreen =
                             device->paintEngine()->type() == QPaintEngine::Picture;
                         QPainter painter(device);
                         for (int i = 0; i < pageCount; ++i) {
                             if (i > 0) {
                                 device->newPage();
                             }
                             paint(painter, device->resolution(), i, onScreen);
                         }
                     });
    preview.resize(previewSize(preview));
    return preview.exec() == QDialog::Accepted;
}

}  // namespace

// Exported by its plain name (kRunPrintPreviewName); its type is RunPrintPreview.
extern "C" __attribute__((visibility("default"))) bool parabelRunPrintPreview(
    QWidget* parent, const QPageSize& pageSize, int pageCount,
    const parabel::ui::Platform::PagePainting& paint) {
    return runPrintPreview(parent, pageSize, pageCount, paint);
}
