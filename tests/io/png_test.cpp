#include "io/png.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "support/png_decode.h"

namespace parabel {
namespace {

// A picture whose every pixel differs from its neighbours in all three
// channels, so a swapped channel, a lost row or a shifted column shows.
std::vector<std::uint32_t> Pattern(int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t red = (x * 7 + y * 3) & 0xFF;
            const std::uint32_t green = (x * 13 + y * 29) & 0xFF;
            const std::uint32_t blue = (x + y * 101) & 0xFF;
            pixels.push_back(0xFF000000u | red << 16 | green << 8 | blue);
        }
    }
    return pixels;
}

TEST(Png, DecodesBackToTheSamePixels) {
    const struct { int width, height; } sizes[] = {{1, 1}, {3, 5}, {322, 338}, {1024, 7}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        const std::vector<std::uint32_t> pixels = Pattern(size.width, size.height);
        const std::vector<std::uint8_t> file = EncodePng(size.width, size.height, pixels);
        const auto decoded = testing::DecodePng(
            std::string(reinterpret_cast<const char*>(file.data()), file.size()));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->width, size.width);
        EXPECT_EQ(decoded->height, size.height);
        // Red, green and blue only: the pictures are opaque.
        EXPECT_EQ(decoded->format, static_cast<std::uint32_t>(PNG_FORMAT_RGB));
        EXPECT_EQ(decoded->pixels, pixels);
    }
}

TEST(Png, PicturesWithoutPixelsAreRefused) {
    const std::vector<std::uint32_t> three(3, 0xFFFFFFFF);
    EXPECT_THROW(EncodePng(0, 0, {}), std::runtime_error);
    EXPECT_THROW(EncodePng(2, 2, three), std::runtime_error);
}

}  // namespace
}  // namespace parabel
