#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <cstring>

namespace parabel::ui {

void copyLines(const QStringList& lines) {
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void copyPicture(const Picture& picture) {
    // A picture's pixels are 0xAARRGGBB words with the alpha byte full, which
    // is what QImage::Format_RGB32 holds.
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(image.scanLine(y), &picture.pixels[static_cast<std::size_t>(y) * picture.width],
                    static_cast<std::size_t>(picture.width) * sizeof(Pixel));
    }
    QGuiApplication::clipboard()->setImage(image);
}

}  // namespace parabel::ui
