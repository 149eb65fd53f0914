// Whether a composed picture shows its drawing surface where it belongs.
#pragma once

#include <algorithm>
#include <cstddef>

#include "plot/picture.h"

namespace parabel::fuzz {

// Whether the picture shows the surface with its top-left corner at
// (left, top), as far as the picture reaches.
inline bool ShowsSurface(const Picture& picture, const RasterSurface& surface, int left, int top) {
    const int right = std::min(picture.width, left + surface.width());
    const int bottom = std::min(picture.height, top + surface.height());
    for (int y = top; y < bottom; ++y) {
        const Pixel* shown = picture.pixels.data() + static_cast<std::size_t>(y) * picture.width;
        const Pixel* drawn =
            surface.pixels().data() + static_cast<std::size_t>(y - top) * surface.width();
        if (left < right && !std::equal(shown + left, shown + right, drawn)) {
            return false;
        }
    }
    return true;
}

}  // namespace parabel::fuzz
