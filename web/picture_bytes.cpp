#include "picture_bytes.h"

namespace parabel::web {

void PictureRgba(const FramedSurface& picture, std::vector<std::uint8_t>& rgba) {
    const auto width = static_cast<std::size_t>(picture.width());
    rgba.resize(width * static_cast<std::size_t>(picture.height()) * 4);
    std::vector<Pixel> row(width);
    std::uint8_t* out = rgba.data();
    for (int y = 0; y < picture.height(); ++y) {
        picture.Row(y, row.data());
        for (const Pixel pixel : row) {
            *out++ = static_cast<std::uint8_t>(pixel >> 16);
            *out++ = static_cast<std::uint8_t>(pixel >> 8);
            *out++ = static_cast<std::uint8_t>(pixel);
            *out++ = 0xFF;
        }
    }
}

std::vector<std::uint8_t> ContentBytes(const FileContent& content) {
    std::vector<std::uint8_t> bytes;
    if (const auto size = content.size()) {
        bytes.reserve(*size);
    }
    content.Produce([&bytes](std::span<const std::uint8_t> piece) {
        bytes.insert(bytes.end(), piece.begin(), piece.end());
    });
    return bytes;
}

}  // namespace parabel::web
