#include "plot/color.h"

#include <gtest/gtest.h>

namespace parabel {
namespace {

TEST(ResolveColor, ValuesAndTheirPixels) {
    ResetSystemColors();
    const std::pair<ColorValue, Pixel> rows[] = {
        {0x000000FF, 0xFFFF0000},                 // clRed
        {0x00FF0000, 0xFF0000FF},                 // clBlue
        {0x00FF8000, PixelFromRgb(0, 128, 255)},  // $00FF8000
        {0x00030201, PixelFromRgb(1, 2, 3)},
        {static_cast<ColorValue>(0xFF00000F), PixelFromRgb(212, 208, 200)},  // clBtnFace
        {static_cast<ColorValue>(0xFF000005), PixelFromRgb(255, 255, 255)},  // clWindow
        {static_cast<ColorValue>(0x8000000D), PixelFromRgb(10, 36, 106)},    // low byte counts
        {static_cast<ColorValue>(0xFF000020), kBlackPixel},  // no such system colour
        {0x1FFFFFFF, kBlackPixel},                           // clNone
        {0x20000000, kBlackPixel},                           // clDefault
        {0x12345678, kBlackPixel},
    };
    for (const auto& [value, pixel] : rows) {
        EXPECT_EQ(ResolveColor(value), pixel) << std::hex << value;
    }
}

TEST(ResolveColor, SystemColoursFollowTheToolkitsPalette) {
    SetSystemColor(15, PixelFromRgb(239, 239, 239));
    EXPECT_EQ(ResolveColor(static_cast<ColorValue>(0xFF00000F)), PixelFromRgb(239, 239, 239));
    ResetSystemColors();
    EXPECT_EQ(ResolveColor(static_cast<ColorValue>(0xFF00000F)), PixelFromRgb(212, 208, 200));
}

}  // namespace
}  // namespace parabel
