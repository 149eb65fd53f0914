#include "picture_file.h"

#include <memory>
#include <vector>

#include "io/bmp.h"
#include "io/png.h"

namespace parabel {

namespace {

FileContent BmpFile(const FramedSurface& picture) {
    const int width = picture.width();
    const int height = picture.height();
    return FileContent(BmpFileSize(width, height), [&picture](const FileContent::Sink& sink) {
        WriteBmp(
            picture.width(), picture.height(),
            [&picture](int y, Pixel* out) { picture.Row(y, out); }, sink);
    });
}

FileContent PngFile(const FramedSurface& picture) {
    const Picture composed = picture.Compose();
    auto bytes = std::make_shared<const std::vector<std::uint8_t>>(
        EncodePng(composed.width, composed.height, composed.pixels));
    return FileContent(bytes->size(), [bytes](const FileContent::Sink& sink) { sink(*bytes); });
}

}  // namespace

FileContent PictureFile(const FramedSurface& picture, RasterFormat format) {
    return format == RasterFormat::kPng ? PngFile(picture) : BmpFile(picture);
}

}  // namespace parabel
