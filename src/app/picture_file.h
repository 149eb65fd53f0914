// The file a plot's picture is written as: what the save commands, the copy
// command and parabel-cli all write for a framed surface.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "io/file_content.h"
#include "plot/picture.h"
#if PARABEL_HAS_PNG
#include "io/png.h"
#endif

namespace parabel {

enum class RasterFormat {
    kBmp,  // the program's own 32-bit BMP
    kPng,  // the same pixels, losslessly compressed
};

// The file of `picture` in `format`, made while it is written: streamed
// from the surface a row at a time, so a picture of any size costs a row or
// two beside the surface (the PNG's size is known only once written).
// The surface `picture` frames must outlive the content.
FileContent PictureFile(const FramedSurface& picture, RasterFormat format);

#if PARABEL_HAS_PNG
// The picture of a PNG file in memory (the program's icon), as libpng reads
// it; nothing when the bytes are no PNG file.
std::optional<DecodedPng> ReadPngPicture(std::span<const std::uint8_t> file);
#endif

}  // namespace parabel
