#include "page_painter.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <cmath>
#include <string_view>

#include "picture_image.h"
#include "window_font.h"

namespace parabel::ui {

namespace {

QFont printFont(double pointSize, bool bold) {
    QFont font = windowFont(16, bold);
    font.setPointSizeF(pointSize);
    return font;
}

// The picture on paper: each pixel made a square of whole dots here, so that
// no device or viewer smooths it, drawn one image dot on one device dot.
void paintPictureOnPaper(QPainter& painter, QPointF corner, const FramedSurface& picture,
                         int dotsPerPixel) {
    const QImage image = pictureImage(picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Lossless: a PDF would otherwise keep the picture as a JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(corner, image.scaled(image.size() * dotsPerPixel, Qt::IgnoreAspectRatio,
                                           Qt::FastTransformation));
}

// The picture on screen: the pixels of each colour as one filled area of
// squares, which the screen draws at its zoom covering each of its pixels in
// the part the squares cover, so that a line narrower than a screen pixel
// shows lighter, never not at all. White stays the paper's.
void paintPictureOnScreen(QPainter& painter, QPointF corner, const FramedSurface& picture,
                          double dotsPerPixel) {
    const QImage image = pictureImage(picture);
    QHash<QRgb, QPainterPath> areas;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            int end = x + 1;
            while (end < image.width() && row[end] == row[x]) {
                ++end;
            }
            if ((row[x] & 0xFFFFFF) != 0xFFFFFF) {
                areas[row[x]].addRect(QRectF(corner.x() + x * dotsPerPixel,
                                             corner.y() + y * dotsPerPixel,
                                             (end - x) * dotsPerPixel, dotsPerPixel));
            }
            x = end;
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (auto area = areas.begin(); area != areas.end(); ++area) {
        area->setFillRule(Qt::WindingFill);  // the squares as one area, without seams
        painter.fillPath(*area, QColor::fromRgb(area.key()));
    }
    painter.restore();
}

}  // namespace

QPageSize pageSizeOf(const Paper& paper) {
    return QPageSize(std::string_view(paper.name) == kLetter.name ? QPageSize::Letter
                                                                  : QPageSize::A4);
}

void paintPrintedPage(QPainter& painter, double dotsPerInch, const PrintedDocument& document,
                      int pageIndex, const FramedSurface& picture, PageMedium medium) {
    const auto dots = [dotsPerInch](double millimetres) {
        return millimetres * dotsPerInch / 25.4;
    };
    const PrintedPage& page = document.pages.at(static_cast<std::size_t>(pageIndex));
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(printFont(document.fontSizePt, true));
    // Each line fits its column: drawn whole, never clipped.
    const auto drawColumn = [&](const std::vector<std::string>& lines, double left) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const QRectF box(dots(left), dots(document.textTop + document.lineHeight * double(i)),
                             dots(document.paper.width - document.margin - left),
                             dots(document.lineHeight));
            painter.drawText(
                box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                QString::fromStdString(lines[i]));
        }
    };
    drawColumn(page.lines, document.textLeft);
    drawColumn(page.secondColumn, document.secondColumnLeft);

    if (page.plotTop) {
        const QPointF corner(std::round(dots(document.plotLeft)), std::round(dots(*page.plotTop)));
        const int dotsPerPixel = DotsPerPicturePixel(dotsPerInch);
        if (medium == PageMedium::kPaper) {
            paintPictureOnPaper(painter, corner, picture, dotsPerPixel);
        } else {
            paintPictureOnScreen(painter, corner, picture, dotsPerPixel);
        }
    }

    painter.setFont(printFont(document.footerFontSizePt, false));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QString right = QString::fromStdString(document.footerRight);
    const double baseline = dots(document.footerBaseline);
    painter.drawText(QPointF(dots(document.margin), baseline),
                     QString::fromStdString(document.footerLeft));
    painter.drawText(
        QPointF(dots(document.paper.width - document.margin) - metrics.horizontalAdvance(right),
                baseline),
        right);
    painter.restore();
}

QByteArray printedDocumentPdf(const PrintedDocument& document, const FramedSurface& picture) {
    return printedDocumentsPdf({&document, 1}, picture);
}

QByteArray printedDocumentsPdf(std::span<const PrintedDocument> documents,
                               const FramedSurface& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPrintDotsPerInch);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QString::fromStdString(documents.front().title));
        writer.setCreator(QStringLiteral("Parabel"));
        writer.setPageSize(pageSizeOf(documents.front().paper));
        QPainter painter(&writer);
        const std::vector<PageOfDocuments> pages = pagesOf(documents);
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                writer.newPage();
            }
            paintPrintedPage(painter, kPrintDotsPerInch, documents[pages[i].document],
                             pages[i].page, picture);
        }
    }
    return bytes;
}

std::vector<PageOfDocuments> pagesOf(std::span<const PrintedDocument> documents) {
    std::vector<PageOfDocuments> pages;
    for (std::size_t i = 0; i < documents.size(); ++i) {
        for (std::size_t page = 0; page < documents[i].pages.size(); ++page) {
            pages.push_back({i, static_cast<int>(page)});
        }
    }
    return pages;
}

}  // namespace parabel::ui
