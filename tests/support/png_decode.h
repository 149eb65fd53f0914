// Reading a PNG file back into pixels with libpng, for tests that compare
// what was written with the picture it came from.
#pragma once

#include <png.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace parabel::testing {

struct DecodedPng {
    int width = 0;
    int height = 0;
    std::uint32_t format = 0;           // libpng's format of the file itself
    std::vector<std::uint32_t> pixels;  // 0xFFRRGGBB, row-major, top row first
};

// Nothing when libpng does not take the bytes as a PNG file.
inline std::optional<DecodedPng> DecodePng(const std::string& bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) {
        return std::nullopt;
    }
    DecodedPng decoded;
    decoded.width = static_cast<int>(image.width);
    decoded.height = static_cast<int>(image.height);
    decoded.format = image.format;
    image.format = PNG_FORMAT_BGRA;  // little-endian 0xAARRGGBB words
    decoded.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    if (png_image_finish_read(&image, nullptr, decoded.pixels.data(), 0, nullptr) == 0) {
        return std::nullopt;
    }
    return decoded;
}

}  // namespace parabel::testing
