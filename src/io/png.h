// The PNG picture file: the same pixels as the BMP export, losslessly
// compressed, written by libpng.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace parabel {

// The whole file of a width x height picture given as row-major pixels
// 0xFFRRGGBB (the top byte is ignored), top row first: 8 bits per channel,
// red, green, blue, no transparency. Raises std::runtime_error with libpng's
// message when the picture cannot be encoded (for instance a size beyond
// what the format holds).
std::vector<std::uint8_t> EncodePng(int width, int height, std::span<const std::uint32_t> pixels);

}  // namespace parabel
