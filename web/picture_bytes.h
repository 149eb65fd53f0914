// The page's boundary for pictures and files: what the native side hands the
// page is plain bytes, pixels as RGBA for the canvas's ImageData and files
// exactly as the desktop program writes them.
#pragma once

#include <cstdint>
#include <vector>

#include "io/file_content.h"
#include "plot/picture.h"

namespace parabel::web {

// The picture's pixels row by row, top row first, four bytes each: red,
// green, blue, and 255 (the canvas's layout; a pixel's own top byte is
// ignored, as the BMP and the window ignore it).
void PictureRgba(const FramedSurface& picture, std::vector<std::uint8_t>& rgba);

// Every byte of a file's content, in order.
std::vector<std::uint8_t> ContentBytes(const FileContent& content);

}  // namespace parabel::web
