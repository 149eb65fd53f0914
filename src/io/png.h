// The PNG picture file: the same pixels as the BMP export, losslessly
// compressed by libpng, written a row at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pixel_rows.h"

namespace parabel {

// The whole file of a width x height picture, handed to `sink` in order as
// libpng makes it, compressed once. The rows are read through `rows` into
// one reused row, never the whole picture: once to find the colours, while
// keeping the rows as runs of one colour (see indexed_rows.h), and a second
// time only when those runs outgrow their bounded memory or the picture has
// more than 256 colours. A picture of at most 256 colours is stored as a
// palette image with the fewest bits per pixel that tell its colours apart
// (1, 2, 4 or 8); one of more as 8-bit red, green, blue. Opaque, not
// interlaced. Raises std::runtime_error with libpng's message when the
// picture cannot be encoded (no pixels, or a size beyond what libpng
// writes); what `rows` or `sink` throws passes through unchanged.
void WritePng(int width, int height, const PixelRowSource& rows, const ByteSink& sink);

// The same file for row-major pixels 0xFFRRGGBB (the top byte is ignored),
// top row first, as bytes in memory.
std::vector<std::uint8_t> EncodePng(int width, int height, std::span<const std::uint32_t> pixels);

// A picture read from a PNG file: row-major pixels 0xAARRGGBB, top row first,
// alpha kept (not premultiplied).
struct DecodedPng {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The picture of a whole PNG file in memory, as libpng reads it; nothing when
// libpng does not take the bytes as one.
std::optional<DecodedPng> DecodePng(std::span<const std::uint8_t> file);

}  // namespace parabel
