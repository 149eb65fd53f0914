#include "picture_file.h"

#include <stdexcept>

#include "io/bmp.h"
#if PARABEL_HAS_PNG
#include "io/png.h"
#endif

namespace parabel {

namespace {

// The content holds its own copy of the frame, which refers to the surface.
FileContent BmpFile(const FramedSurface& picture) {
    return FileContent(BmpFileSize(picture.width(), picture.height()),
                       [picture](const FileContent::Sink& sink) {
                           WriteBmp(
                               picture.width(), picture.height(),
                               [&picture](int y, Pixel* out) { picture.Row(y, out); }, sink);
                       });
}

// Its size is known only once it is written.
FileContent PngFile(const FramedSurface& picture) {
#if PARABEL_HAS_PNG
    return FileContent([picture](const FileContent::Sink& sink) {
        WritePng(
            picture.width(), picture.height(),
            [&picture](int y, Pixel* out) { picture.Row(y, out); }, sink);
    });
#else
    // A build without libpng (the page's): its PNG comes from the browser.
    (void)picture;
    throw std::logic_error("PNG pictures are not written by this build");
#endif
}

}  // namespace

FileContent PictureFile(const FramedSurface& picture, RasterFormat format) {
    return format == RasterFormat::kPng ? PngFile(picture) : BmpFile(picture);
}

#if PARABEL_HAS_PNG
std::optional<DecodedPng> ReadPngPicture(std::span<const std::uint8_t> file) {
    return DecodePng(file);
}
#endif

}  // namespace parabel
