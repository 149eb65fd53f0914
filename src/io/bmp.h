// The BMP picture file: an uncompressed bottom-up bitmap with a 40-byte
// information header and a 256-entry colour table.
#pragma once

#include <cstdint>
#include <vector>

#include "pixel_rows.h"

namespace parabel {

// A picture to encode: row-major pixels 0xFFRRGGBB (or 0x00RRGGBB), top row
// first.
struct BmpSource {
    int width = 0;
    int height = 0;
    const std::uint32_t* pixels = nullptr;
};

// Bytes of one stored row: ((W * depth + 31) div 32) * 4.
constexpr std::int64_t BmpRowStride(std::int64_t width, int depth) {
    return (width * depth + 31) / 32 * 4;
}

// The colour table written with true-colour pictures. The pixels never refer
// to it; it stands where a palette-based display's system palette would:
//   0 .. 9      the first ten static colours of the classic system palette
//   10 .. 225   a 6 x 6 x 6 colour cube (levels 0, 51, ..., 255), blue fastest
//   226 .. 245  twenty greys from 11 to 220
//   246 .. 255  the last ten static colours
// Each entry is blue, green, red, 0.
const std::vector<std::uint8_t>& BmpColorTable();

// The whole file for depth 32 (blue, green, red, 0 per pixel) or 24 (blue,
// green, red, rows padded with zero bytes to a multiple of four):
//   "BM", file size, 0, 0, pixel offset 14 + 40 + 4 * 256,
//   header 40, W, H (positive: bottom row first), 1 plane, depth,
//   no compression, image size R * H, 0, 0 dots per metre, 256 colours, 0,
//   colour table, pixel rows from the bottom up.
std::vector<std::uint8_t> EncodeBmp(const BmpSource& picture, int depth = 32);

// The size of the file EncodeBmp makes for a width x height picture.
std::uint64_t BmpFileSize(int width, int height, int depth = 32);

// The same bytes as EncodeBmp, handed to `sink` in order: the headers and
// colour table, then one stored row at a time from the bottom up, each
// fetched from `rows` into one reused buffer. Holds one row, never the
// picture.
void WriteBmp(int width, int height, const PixelRowSource& rows, const ByteSink& sink,
              int depth = 32);

}  // namespace parabel
