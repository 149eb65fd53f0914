#include "picture_file.h"

#include "io/bmp.h"
#include "io/png.h"

namespace parabel {

namespace {

FileContent BmpFile(const FramedSurface& picture) {
    return FileContent(BmpFileSize(picture.width(), picture.height()),
                       [&picture](const FileContent::Sink& sink) {
                           WriteBmp(
                               picture.width(), picture.height(),
                               [&picture](int y, Pixel* out) { picture.Row(y, out); }, sink);
                       });
}

// Its size is known only once it is written.
FileContent PngFile(const FramedSurface& picture) {
    return FileContent([&picture](const FileContent::Sink& sink) {
        WritePng(
            picture.width(), picture.height(),
            [&picture](int y, Pixel* out) { picture.Row(y, out); }, sink);
    });
}

}  // namespace

FileContent PictureFile(const FramedSurface& picture, RasterFormat format) {
    return format == RasterFormat::kPng ? PngFile(picture) : BmpFile(picture);
}

}  // namespace parabel
