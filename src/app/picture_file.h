// The file a plot's picture is written as: what the save commands, the copy
// command and parabel-cli all write for a framed surface.
#pragma once

#include "io/file_content.h"
#include "plot/picture.h"

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

}  // namespace parabel
