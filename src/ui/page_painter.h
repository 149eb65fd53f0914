// The printed pages on a Qt paint device: a printer, the print preview or a
// PDF writer, laid out by the window model (PrintedDocument) in millimetres
// and drawn at the device's own resolution. On paper the plot's pixels are a
// whole number of dots each, never smoothed; on screen (the preview, which
// shows the page scaled to its zoom) each pixel is a square the screen
// covers in part, so the plot shows at any zoom as the paper will.
#pragma once

#include <QByteArray>
#include <QPageSize>
#include <span>
#include <vector>

#include "app/printed_page.h"
#include "plot/picture.h"

class QPainter;

namespace parabel::ui {

QPageSize pageSizeOf(const Paper& paper);

enum class PageMedium { kPaper, kScreen };

// Draws sheet `pageIndex` of the document with `painter` on its device, whose
// whole page (no margins) the painter covers, at `dotsPerInch`.
void paintPrintedPage(QPainter& painter, double dotsPerInch, const PrintedDocument& document,
                      int pageIndex, const FramedSurface& picture,
                      PageMedium medium = PageMedium::kPaper);

// The document as a PDF file: real text in embedded fonts, so it can be
// searched and copied, and the plot's pixels at 600 dots per inch (six dots a
// picture pixel). Its title is the document's.
QByteArray printedDocumentPdf(const PrintedDocument& document, const FramedSurface& picture);

// Several documents one after the other in one PDF file (a worksheet's
// sheets, then its key), all on the first one's paper, titled by the first.
QByteArray printedDocumentsPdf(std::span<const PrintedDocument> documents,
                               const FramedSurface& picture);

// The pages of documents printed one after the other: which document's
// which page each is.
struct PageOfDocuments {
    std::size_t document = 0;
    int page = 0;
};
std::vector<PageOfDocuments> pagesOf(std::span<const PrintedDocument> documents);

}  // namespace parabel::ui
