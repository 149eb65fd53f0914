// Rasterising a one-pixel line with its end point excluded, clipped before
// stepping so that only visible pixels cost anything.
#pragma once

#include <cstdint>

namespace parabel {

// A run of a line's visible pixels. Pixel k (0 <= k < count) lies at
//   major = majorStart + majorStep * k
//   minor = minorStart + minorStep * f(firstT + k) - minorStep * f(firstT)
// which the stepper below walks; x is the major axis when `xMajor`.
struct LineSpan {
    bool xMajor = true;
    std::int64_t count = 0;  // 0: nothing visible
    std::int64_t x = 0;      // first visible pixel
    std::int64_t y = 0;
    int majorStep = 1;
    int minorStep = 1;
    // The minor offset's fraction at the first pixel and its increments:
    // f(t) = floor((2 t dMinor + n) / (2 n)) for the n steps of the line.
    std::int64_t remainder = 0;
    std::int64_t twoDMinor = 0;
    std::int64_t twoN = 0;
};

// The visible part of the line from (x0, y0) to (x1, y1), the end point
// excluded, within columns 0 .. width-1 and rows 0 .. height-1. The line
// takes |major delta| pixels, one per major step; the minor coordinate rounds
// half up. Coordinates may be anywhere in the signed 32-bit range.
LineSpan ClipLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                  std::int64_t width, std::int64_t height);

// Calls plot(x, y) for every visible pixel of the span, in line order.
template <typename Plot>
void WalkLine(const LineSpan& span, Plot&& plot) {
    std::int64_t major = span.xMajor ? span.x : span.y;
    std::int64_t minor = span.xMajor ? span.y : span.x;
    std::int64_t remainder = span.remainder;
    for (std::int64_t k = 0; k < span.count; ++k) {
        if (span.xMajor) {
            plot(major, minor);
        } else {
            plot(minor, major);
        }
        major += span.majorStep;
        remainder += span.twoDMinor;
        if (remainder >= span.twoN) {  // dMinor <= n: at most one carry per step
            remainder -= span.twoN;
            minor += span.minorStep;
        }
    }
}

}  // namespace parabel
