// Pictures handed to the file encoders a row at a time, and the bytes they
// hand on, so that neither a picture nor its file need be held whole.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace parabel {

// A picture given a row at a time: writes the `width` pixels of row y (top
// row 0) to `out`, each 0xFFRRGGBB (or 0x00RRGGBB). Encoders may ask for a
// row more than once.
using PixelRowSource = std::function<void(int y, std::uint32_t* out)>;

// Where an encoder's bytes go, in file order.
using ByteSink = std::function<void(std::span<const std::uint8_t> bytes)>;

}  // namespace parabel
