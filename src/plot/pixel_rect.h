// Rectangles of pixels clipped to a grid: the one place where a rectangle's
// bounds meet a surface's, so that every writer of pixels loops only over
// what lies inside.
#pragma once

#include <algorithm>
#include <cstdint>

namespace parabel {

// The half-open rectangle [left, right) x [top, bottom). An empty one has
// all four bounds zero, so loops over it run no iteration whatever its
// origin was.
struct PixelRect {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;

    bool Empty() const { return left >= right || top >= bottom; }
    std::int64_t Width() const { return right - left; }
    std::int64_t Height() const { return bottom - top; }
};

// The part of [left, right) x [top, bottom) inside columns 0 .. width-1 and
// rows 0 .. height-1; the empty rectangle when nothing is inside, including
// when right <= left or bottom <= top, or the grid itself is empty.
constexpr PixelRect ClipRect(std::int64_t left, std::int64_t top, std::int64_t right,
                             std::int64_t bottom, std::int64_t width, std::int64_t height) {
    const PixelRect clipped{std::max<std::int64_t>(left, 0), std::max<std::int64_t>(top, 0),
                            std::min(right, width), std::min(bottom, height)};
    if (clipped.left >= clipped.right || clipped.top >= clipped.bottom) {
        return {};
    }
    return clipped;
}

}  // namespace parabel
