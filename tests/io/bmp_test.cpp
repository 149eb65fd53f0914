#include "io/bmp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace parabel {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// A picture whose pixel (x, y) tells its place: red x, green y, blue 7.
std::vector<std::uint32_t> Gradient(int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[static_cast<std::size_t>(y) * width + x] =
                0xFF000000u | (x & 0xFF) << 16 | (y & 0xFF) << 8 | 7;
        }
    }
    return pixels;
}

struct HeaderRow {
    int depth;
    std::uint32_t fileSize;
    std::uint32_t rowBytes;
};

TEST(EncodeBmp, HeaderFieldsOfTheMainWindowsPicture) {
    const std::vector<std::uint32_t> pixels = Gradient(322, 338);
    for (const HeaderRow& row : {HeaderRow{32, 436422, 1288}, HeaderRow{24, 328262, 968}}) {
        SCOPED_TRACE(row.depth);
        const auto bytes = EncodeBmp({322, 338, pixels.data()}, row.depth);
        ASSERT_EQ(bytes.size(), row.fileSize);
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        EXPECT_EQ(U32(bytes, 2), row.fileSize);
        EXPECT_EQ(U32(bytes, 6), 0u);
        EXPECT_EQ(U32(bytes, 10), 1078u);
        EXPECT_EQ(U32(bytes, 14), 40u);
        EXPECT_EQ(U32(bytes, 18), 322u);
        EXPECT_EQ(U32(bytes, 22), 338u);
        EXPECT_EQ(U16(bytes, 26), 1);
        EXPECT_EQ(U16(bytes, 28), row.depth);
        EXPECT_EQ(U32(bytes, 30), 0u);
        EXPECT_EQ(U32(bytes, 34), row.rowBytes * 338);
        EXPECT_EQ(U32(bytes, 38), 0u);
        EXPECT_EQ(U32(bytes, 42), 0u);
        EXPECT_EQ(U32(bytes, 46), 256u);
        EXPECT_EQ(U32(bytes, 50), 0u);
        EXPECT_EQ(BmpRowStride(322, row.depth), row.rowBytes);
    }
}

TEST(EncodeBmp, RowsBottomUpWithPadding) {
    const std::vector<std::uint32_t> pixels = Gradient(322, 338);
    const auto bytes24 = EncodeBmp({322, 338, pixels.data()}, 24);
    // The first stored row is the bottom row (y = 337): blue, green, red.
    EXPECT_EQ(bytes24[1078 + 0], 7);
    EXPECT_EQ(bytes24[1078 + 1], 337 & 0xFF);
    EXPECT_EQ(bytes24[1078 + 2], 0);
    EXPECT_EQ(bytes24[1078 + 3 * 5 + 2], 5);  // x = 5
    EXPECT_EQ(bytes24[1078 + 966], 0);        // two padding bytes per row
    EXPECT_EQ(bytes24[1078 + 967], 0);
    EXPECT_EQ(bytes24[1078 + 968 + 1], 336 & 0xFF);  // next row up
    const auto bytes32 = EncodeBmp({322, 338, pixels.data()}, 32);
    const std::size_t top = 1078 + 337u * 1288;
    EXPECT_EQ(bytes32[top + 4 * 9 + 0], 7);
    EXPECT_EQ(bytes32[top + 4 * 9 + 1], 0);
    EXPECT_EQ(bytes32[top + 4 * 9 + 2], 9);
    EXPECT_EQ(bytes32[top + 4 * 9 + 3], 0);
}

TEST(EncodeBmp, ColourTableHas256EntriesEndingInWhite) {
    const auto& table = BmpColorTable();
    ASSERT_EQ(table.size(), 1024u);
    EXPECT_EQ(std::vector<std::uint8_t>(table.begin(), table.begin() + 4),
              (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(table.end() - 4, table.end()),
              (std::vector<std::uint8_t>{255, 255, 255, 0}));
    for (std::size_t i = 3; i < table.size(); i += 4) {
        EXPECT_EQ(table[i], 0);
    }
    const std::uint32_t pixel = 0xFFFFFFFF;
    const auto bytes = EncodeBmp({1, 1, &pixel});
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.begin() + 1078), table);
}

TEST(EncodeBmp, LargePictureSize) {
    const std::vector<std::uint32_t> pixels(1024u * 728, 0xFFFFFFFF);
    EXPECT_EQ(EncodeBmp({1024, 728, pixels.data()}).size(), 1078u + 1024u * 728 * 4);
}

}  // namespace
}  // namespace parabel
