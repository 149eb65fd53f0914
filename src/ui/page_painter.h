// The printed page on a Qt paint device: a printer, the print preview or a
// PDF writer, laid out by the window model (PrintedPage) in millimetres and
// drawn at the device's own resolution, the plot's pixels at a whole number
// of dots each, never smoothed.
#pragma once

#include <QByteArray>
#include <QPageSize>

#include "app/printed_page.h"
#include "plot/picture.h"

class QPainter;
class QPagedPaintDevice;

namespace parabel::ui {

QPageSize pageSizeOf(const Paper& paper);

// Draws the page with `painter` on its device, whose whole page (no margins)
// the painter covers, at `dotsPerInch`.
void paintPrintedPage(QPainter& painter, double dotsPerInch, const PrintedPage& page,
                      const FramedSurface& picture);

// The page as a PDF file: real text in embedded fonts, so it can be
// searched and copied, and the plot's pixels at 600 dots per inch (six dots a
// picture pixel). `title` is the document's title.
QByteArray printedPagePdf(const PrintedPage& page, const FramedSurface& picture,
                          const QString& title);

}  // namespace parabel::ui
