#include "bmp.h"

#include <algorithm>
#include <cassert>

namespace parabel {

namespace {

constexpr int kColorTableEntries = 256;
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

// The twenty static colours of the classic system palette (red, green, blue).
constexpr std::uint8_t kStaticColors[20][3] = {
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
    {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
    {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
    {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

void PutEntry(std::vector<std::uint8_t>& table, int red, int green, int blue) {
    table.push_back(static_cast<std::uint8_t>(blue));
    table.push_back(static_cast<std::uint8_t>(green));
    table.push_back(static_cast<std::uint8_t>(red));
    table.push_back(0);
}

std::vector<std::uint8_t> MakeColorTable() {
    std::vector<std::uint8_t> table;
    table.reserve(std::size_t{4} * kColorTableEntries);
    for (int i = 0; i < 10; ++i) {
        PutEntry(table, kStaticColors[i][0], kStaticColors[i][1], kStaticColors[i][2]);
    }
    for (int red = 0; red < 6; ++red) {
        for (int green = 0; green < 6; ++green) {
            for (int blue = 0; blue < 6; ++blue) {
                PutEntry(table, red * 51, green * 51, blue * 51);
            }
        }
    }
    for (int i = 0; i < 20; ++i) {
        const int level = 11 + i * 11;
        PutEntry(table, level, level, level);
    }
    for (int i = 10; i < 20; ++i) {
        PutEntry(table, kStaticColors[i][0], kStaticColors[i][1], kStaticColors[i][2]);
    }
    assert(table.size() == 4 * kColorTableEntries);
    return table;
}

class ByteWriter {
  public:
    explicit ByteWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    void U16(std::uint16_t value) {
        bytes_.push_back(static_cast<std::uint8_t>(value));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void U32(std::uint32_t value) {
        U16(static_cast<std::uint16_t>(value));
        U16(static_cast<std::uint16_t>(value >> 16));
    }

  private:
    std::vector<std::uint8_t>& bytes_;
};

}  // namespace

const std::vector<std::uint8_t>& BmpColorTable() {
    static const std::vector<std::uint8_t> kTable = MakeColorTable();
    return kTable;
}

std::uint64_t BmpFileSize(int width, int height, int depth) {
    return kFileHeaderSize + kInfoHeaderSize + 4 * kColorTableEntries +
           static_cast<std::uint64_t>(BmpRowStride(std::max(width, 0), depth)) *
               static_cast<std::uint64_t>(std::max(height, 0));
}

void WriteBmp(int width, int height, const PixelRowSource& rows, const ByteSink& sink, int depth) {
    assert(depth == 32 || depth == 24);
    width = std::max(width, 0);
    height = std::max(height, 0);
    const std::int64_t stride = BmpRowStride(width, depth);
    const auto imageSize = static_cast<std::uint32_t>(stride * height);
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * kColorTableEntries;

    std::vector<std::uint8_t> head;
    head.reserve(pixelOffset);
    ByteWriter out(head);
    head.push_back('B');  // signature
    head.push_back('M');
    out.U32(pixelOffset + imageSize);             // file size
    out.U16(0);                                   // reserved
    out.U16(0);                                   // reserved
    out.U32(pixelOffset);                         // offset of the pixel data
    out.U32(kInfoHeaderSize);                     // header size
    out.U32(static_cast<std::uint32_t>(width));   // width
    out.U32(static_cast<std::uint32_t>(height));  // height: bottom row first
    out.U16(1);                                   // planes
    out.U16(static_cast<std::uint16_t>(depth));   // bits per pixel
    out.U32(0);                                   // compression: none
    out.U32(imageSize);                           // image size
    out.U32(0);                                   // horizontal resolution
    out.U32(0);                                   // vertical resolution
    out.U32(kColorTableEntries);                  // colours used
    out.U32(0);                                   // important colours
    const std::vector<std::uint8_t>& table = BmpColorTable();
    head.insert(head.end(), table.begin(), table.end());
    sink(head);

    // One row of pixels and one stored row, reused from the bottom row up;
    // the padding bytes of a 24-bit row stay zero.
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width));
    std::vector<std::uint8_t> stored(static_cast<std::size_t>(stride), 0);
    const int bytesPerPixel = depth / 8;
    for (int y = height - 1; y >= 0; --y) {
        rows(y, pixels.data());
        std::uint8_t* target = stored.data();
        for (const std::uint32_t pixel : pixels) {
            target[0] = static_cast<std::uint8_t>(pixel);        // blue
            target[1] = static_cast<std::uint8_t>(pixel >> 8);   // green
            target[2] = static_cast<std::uint8_t>(pixel >> 16);  // red
            if (bytesPerPixel == 4) {
                target[3] = 0;
            }
            target += bytesPerPixel;
        }
        sink(stored);
    }
}

std::vector<std::uint8_t> EncodeBmp(const BmpSource& picture, int depth) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(BmpFileSize(picture.width, picture.height, depth));
    WriteBmp(
        picture.width, picture.height,
        [&](int y, std::uint32_t* out) {
            const std::uint32_t* row = picture.pixels + static_cast<std::size_t>(y) * picture.width;
            std::copy(row, row + picture.width, out);
        },
        [&](std::span<const std::uint8_t> piece) {
            bytes.insert(bytes.end(), piece.begin(), piece.end());
        },
        depth);
    return bytes;
}

}  // namespace parabel
