#include "page_painter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <string_view>

#include "window_font.h"

namespace parabel::ui {

namespace {

constexpr int kPdfDotsPerInch = 600;

QImage pictureImage(const FramedSurface& picture, int dotsPerPixel) {
    // A picture's pixels are 0xAARRGGBB words with the alpha byte full, which
    // is what QImage::Format_RGB32 holds.
    QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        picture.Row(y, reinterpret_cast<Pixel*>(image.scanLine(y)));
    }
    // Each pixel made a square of whole dots here, so that no device or
    // viewer smooths it: drawn one image dot on one device dot.
    return image.scaled(image.size() * dotsPerPixel, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QFont printFont(double pointSize, bool bold) {
    QFont font = windowFont(16, bold);
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace

QPageSize pageSizeOf(const Paper& paper) {
    return QPageSize(std::string_view(paper.name) == kLetter.name ? QPageSize::Letter
                                                                  : QPageSize::A4);
}

void paintPrintedPage(QPainter& painter, double dotsPerInch, const PrintedPage& page,
                      const FramedSurface& picture) {
    const auto dots = [dotsPerInch](double millimetres) {
        return millimetres * dotsPerInch / 25.4;
    };
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(printFont(page.fontSizePt, true));
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
        const QRectF box(dots(page.textLeft), dots(page.textTop + page.lineHeight * double(i)),
                         dots(page.paper.width - 2 * page.margin), dots(page.lineHeight));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         QString::fromStdString(page.lines[i]));
    }

    const int dotsPerPixel = DotsPerPicturePixel(dotsPerInch);
    const QImage image = pictureImage(picture, dotsPerPixel);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Lossless: a PDF would otherwise keep the picture as a JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QPointF(std::round(dots(page.plotLeft)), std::round(dots(page.plotTop))),
                      image);

    painter.setFont(printFont(page.footerFontSizePt, false));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QString right = QString::fromStdString(page.footerRight);
    const double baseline = dots(page.footerBaseline);
    painter.drawText(QPointF(dots(page.margin), baseline), QString::fromStdString(page.footerLeft));
    painter.drawText(
        QPointF(dots(page.paper.width - page.margin) - metrics.horizontalAdvance(right), baseline),
        right);
    painter.restore();
}

QByteArray printedPagePdf(const PrintedPage& page, const FramedSurface& picture,
                          const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageSize(pageSizeOf(page.paper));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Parabel"));
        QPainter painter(&writer);
        paintPrintedPage(painter, kPdfDotsPerInch, page, picture);
    }
    return bytes;
}

}  // namespace parabel::ui
