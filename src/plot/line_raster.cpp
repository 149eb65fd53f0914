#include "line_raster.h"

#include <algorithm>

#include "core/int128.h"

namespace parabel {

namespace {

using Wide = Int128;

// ceil(a / b) for b > 0.
Wide CeilDiv(Wide a, Wide b) {
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

}  // namespace

LineSpan ClipLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                  std::int64_t width, std::int64_t height) {
    LineSpan span;
    if (width <= 0 || height <= 0) {
        return span;
    }
    const std::int64_t dx = x1 - x0;
    const std::int64_t dy = y1 - y0;
    span.xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const std::int64_t majorStart = span.xMajor ? x0 : y0;
    const std::int64_t minorStart = span.xMajor ? y0 : x0;
    const std::int64_t majorDelta = span.xMajor ? dx : dy;
    const std::int64_t minorDelta = span.xMajor ? dy : dx;
    const std::int64_t majorLimit = span.xMajor ? width : height;
    const std::int64_t minorLimit = span.xMajor ? height : width;
    const std::int64_t n = majorDelta < 0 ? -majorDelta : majorDelta;
    const std::int64_t dMinor = minorDelta < 0 ? -minorDelta : minorDelta;
    if (n == 0) {
        return span;  // a single point: the end point, not drawn
    }
    span.majorStep = majorDelta < 0 ? -1 : 1;
    span.minorStep = minorDelta < 0 ? -1 : 1;

    // Steps t in [0, n) whose major coordinate is visible.
    Wide tLow = 0;
    Wide tHigh = n - 1;
    if (span.majorStep > 0) {
        tLow = std::max<Wide>(tLow, -Wide(majorStart));
        tHigh = std::min<Wide>(tHigh, Wide(majorLimit) - 1 - majorStart);
    } else {
        tLow = std::max<Wide>(tLow, Wide(majorStart) - (majorLimit - 1));
        tHigh = std::min<Wide>(tHigh, Wide(majorStart));
    }

    // The minor offset f(t) must lie within [a, b]; f is non-decreasing from
    // f(0) = 0, so these are again a range of t.
    const Wide a = span.minorStep > 0 ? -Wide(minorStart) : Wide(minorStart) - (minorLimit - 1);
    const Wide b = span.minorStep > 0 ? Wide(minorLimit) - 1 - minorStart : Wide(minorStart);
    if (b < 0 || (dMinor == 0 && a > 0)) {
        return span;
    }
    if (a > 0) {
        // f(t) >= a  <=>  t >= (2a - 1) n / (2 dMinor)
        tLow = std::max<Wide>(tLow, CeilDiv((2 * a - 1) * n, 2 * Wide(dMinor)));
    }
    if (b < dMinor) {
        // f(t) <= b  <=>  t < (2b + 1) n / (2 dMinor)
        tHigh = std::min<Wide>(tHigh, CeilDiv((2 * b + 1) * n, 2 * Wide(dMinor)) - 1);
    }
    if (tLow > tHigh) {
        return span;
    }

    const Wide twoN = 2 * Wide(n);
    const Wide numerator = 2 * tLow * dMinor + n;
    const Wide offset = numerator / twoN;
    const std::int64_t major = static_cast<std::int64_t>(majorStart + span.majorStep * tLow);
    const std::int64_t minor = static_cast<std::int64_t>(minorStart + span.minorStep * offset);
    span.x = span.xMajor ? major : minor;
    span.y = span.xMajor ? minor : major;
    span.count = static_cast<std::int64_t>(tHigh - tLow + 1);
    span.remainder = static_cast<std::int64_t>(numerator % twoN);
    span.twoDMinor = 2 * dMinor;
    span.twoN = static_cast<std::int64_t>(twoN);
    return span;
}

}  // namespace parabel
