#include "plot/line_raster.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

namespace parabel {
namespace {

using Pixels = std::vector<std::pair<std::int64_t, std::int64_t>>;

Pixels Walk(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, int w, int h) {
    Pixels pixels;
    WalkLine(ClipLine(x0, y0, x1, y1, w, h), [&](std::int64_t x, std::int64_t y) {
        pixels.push_back({x, y});
    });
    return pixels;
}

// The same line without clipping: every step of the major axis, the minor
// coordinate rounded half up, then the visible pixels kept.
Pixels Naive(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, int w, int h) {
    Pixels pixels;
    const std::int64_t dx = x1 - x0;
    const std::int64_t dy = y1 - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t n = xMajor ? std::llabs(dx) : std::llabs(dy);
    for (std::int64_t t = 0; t < n; ++t) {
        const std::int64_t minorDelta = xMajor ? dy : dx;
        const std::int64_t offset = (2 * t * std::llabs(minorDelta) + n) / (2 * n);
        const std::int64_t major =
            (xMajor ? x0 : y0) + (xMajor ? (dx > 0 ? t : -t) : (dy > 0 ? t : -t));
        const std::int64_t minor = (xMajor ? y0 : x0) + (minorDelta >= 0 ? offset : -offset);
        const std::int64_t x = xMajor ? major : minor;
        const std::int64_t y = xMajor ? minor : major;
        if (x >= 0 && x < w && y >= 0 && y < h) {
            pixels.push_back({x, y});
        }
    }
    return pixels;
}

TEST(ClipLine, EndPointIsNotDrawn) {
    EXPECT_EQ(Walk(0, 0, 3, 0, 10, 10), (Pixels{{0, 0}, {1, 0}, {2, 0}}));
    EXPECT_EQ(Walk(3, 3, 3, 0, 10, 10), (Pixels{{3, 3}, {3, 2}, {3, 1}}));
    EXPECT_EQ(Walk(5, 5, 5, 5, 10, 10), Pixels{});
    EXPECT_EQ(Walk(0, 0, 2, 2, 10, 10), (Pixels{{0, 0}, {1, 1}}));
}

TEST(ClipLine, AgreesWithStepEveryPixelOnRandomLines) {
    std::mt19937 random(99);
    std::uniform_int_distribution<int> coordinate(-60, 60);
    for (int i = 0; i < 20000; ++i) {
        const int x0 = coordinate(random), y0 = coordinate(random);
        const int x1 = coordinate(random), y1 = coordinate(random);
        ASSERT_EQ(Walk(x0, y0, x1, y1, 23, 17), Naive(x0, y0, x1, y1, 23, 17))
            << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
}

TEST(ClipLine, HugeSegmentsCostOnlyTheirVisiblePixels) {
    // From far below the surface to far above it, as the wrapped curve of
    // a = 1000000 draws between i = 146 and 147.
    const LineSpan span = ClipLine(296, -2131599840, 297, 2134067456, 300, 320);
    EXPECT_EQ(span.count, 320);
    const LineSpan down = ClipLine(3, 2134067456, 4, -2131599840, 300, 320);
    EXPECT_EQ(down.count, 320);
    // Entirely outside: nothing at all.
    EXPECT_EQ(ClipLine(-2147483647, 5, -5, 5, 300, 320).count, 0);
    EXPECT_EQ(ClipLine(-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647, 300, 320).count,
              300);
}

TEST(ClipLine, ExtremeCoordinatesMatchTheNaiveLineWhereItIsVisible) {
    // The long line crosses the surface; its visible pixels agree with a
    // line between the points where it enters and leaves.
    Pixels clipped = Walk(-1000000, -1000000, 1000000, 1000000, 50, 40);
    EXPECT_EQ(clipped.size(), 40u);
    for (const auto& [x, y] : clipped) {
        EXPECT_EQ(x, y);
    }
}

}  // namespace
}  // namespace parabel
