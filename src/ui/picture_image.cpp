#include "picture_image.h"

namespace parabel::ui {

QImage pictureImage(const FramedSurface& picture) {
    // A picture's pixels are 0xAARRGGBB words with the alpha byte full, which
    // is what QImage::Format_RGB32 holds.
    QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        picture.Row(y, reinterpret_cast<Pixel*>(image.scanLine(y)));
    }
    return image;
}

}  // namespace parabel::ui
