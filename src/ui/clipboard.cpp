#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "app/picture_file.h"

namespace parabel::ui {

void copyText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void copyPicture(const FramedSurface& picture) {
    if (picture.width() == 0 || picture.height() == 0) {
        return;  // no picture, nothing to offer
    }
    // A picture's pixels are 0xAARRGGBB words with the alpha byte full, which
    // is what QImage::Format_RGB32 holds.
    QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        picture.Row(y, reinterpret_cast<Pixel*>(image.scanLine(y)));
    }
    QByteArray png;
    PictureFile(picture, RasterFormat::kPng).Produce([&png](std::span<const std::uint8_t> piece) {
        png.append(reinterpret_cast<const char*>(piece.data()),
                   static_cast<qsizetype>(piece.size()));
    });
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    data->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace parabel::ui
