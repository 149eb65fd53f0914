#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/picture_file.h"
#include "picture_image.h"

namespace parabel::ui {

void copyText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void copyPicture(const FramedSurface& picture) {
    if (picture.width() == 0 || picture.height() == 0) {
        return;  // no picture, nothing to offer
    }
    QByteArray png;
    PictureFile(picture, RasterFormat::kPng).Produce([&png](std::span<const std::uint8_t> piece) {
        png.append(reinterpret_cast<const char*>(piece.data()),
                   static_cast<qsizetype>(piece.size()));
    });
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    data->setImageData(pictureImage(picture));
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace parabel::ui
