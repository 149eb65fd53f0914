#include "plot/svg_surface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plot/glyphs.h"

namespace parabel {
namespace {

const PictureLayout kSmall{20, 12, 2, 3, 10, 8};  // surface (2, 3) .. (12, 11)

std::string Svg(const std::vector<DrawOp>& ops) {
    return EncodeSvg(kSmall, std::vector<Pixel>(8, kWhitePixel), ops);
}

bool Has(const std::string& svg, const std::string& part) {
    return svg.find(part) != std::string::npos;
}

int Count(const std::string& svg, const std::string& part) {
    int count = 0;
    for (std::size_t at = svg.find(part); at != std::string::npos; at = svg.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(Svg, LinesRunThroughPixelCentresAndStopBeforeTheirEnd) {
    struct Row {
        DrawOp from, to;
        const char* line;  // nullptr: nothing drawn
    };
    const Row rows[] = {
        {MoveToOp(0, 4), LineToOp(10, 4), "x1=\"0.5\" y1=\"4.5\" x2=\"9.5\" y2=\"4.5\""},
        {MoveToOp(3, 7), LineToOp(3, 0), "x1=\"3.5\" y1=\"7.5\" x2=\"3.5\" y2=\"1.5\""},
        // Four steps: three quarters of the way.
        {MoveToOp(0, 0), LineToOp(4, 2), "x1=\"0.5\" y1=\"0.5\" x2=\"3.5\" y2=\"2\""},
        {MoveToOp(5, 5), LineToOp(5, 5), nullptr},
        // Far ends are cut to one pixel outside the surface.
        {MoveToOp(4, -2000000000), LineToOp(4, 2000000000),
         "x1=\"4.5\" y1=\"-0.5\" x2=\"4.5\" y2=\"9.5\""},
        {MoveToOp(-50, -50), LineToOp(-40, 100), nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.from.ToString() + " " + row.to.ToString());
        const std::string svg = Svg({row.from, row.to});
        if (row.line == nullptr) {
            EXPECT_FALSE(Has(svg, "<line"));
        } else {
            EXPECT_EQ(Count(svg, "<line"), 1);
            EXPECT_TRUE(Has(svg, std::string("<line ") + row.line + " stroke=\"#000000\"/>"))
                << svg;
        }
    }
}

TEST(Svg, ColoursFollowThePenBrushAndFont) {
    const std::string svg =
        Svg({PenOp(0x0000FF), MoveToOp(0, 0), LineToOp(3, 0), PenOp(-2147483633 /* clBtnFace */),
             LineToOp(3, 3), BrushOp(0xFF0000), FontOp(0x00FF00), TextOutOp(1, 2, "-2")});
    EXPECT_TRUE(Has(svg, "x2=\"2.5\" y2=\"0.5\" stroke=\"#ff0000\""));
    EXPECT_TRUE(Has(svg, "x2=\"3.5\" y2=\"2.5\" stroke=\"#d4d0c8\""));
    const std::string width = std::to_string(TextWidth("-2"));
    EXPECT_TRUE(
        Has(svg, "<rect x=\"1\" y=\"2\" width=\"" + width + "\" height=\"13\" fill=\"#0000ff\"/>"));
    EXPECT_TRUE(
        Has(svg, "<text x=\"1\" y=\"12\" fill=\"#00ff00\" textLength=\"" + width +
                     "\" lengthAdjust=\"spacingAndGlyphs\" xml:space=\"preserve\">-2</text>"));
}

TEST(Svg, TextsAreEscapedAndMoveThePosition) {
    const std::string svg = Svg({TextOutOp(0, 0, "1"), LineToOp(100, 0), TextOutOp(0, 4, "a<&>")});
    // The line starts where the text's cell ends.
    EXPECT_TRUE(Has(svg, "<line x1=\"" + std::to_string(TextWidth("1")) + ".5\" y1=\"0.5\""));
    EXPECT_TRUE(Has(svg, ">a&lt;&amp;&gt;</text>"));
    EXPECT_FALSE(Has(Svg({TextOutOp(-500, 0, "far"), TextOutOp(0, 8, "below")}), "<text"));
}

TEST(Svg, FrameOutlineClipAndBackdrop) {
    // Rows 0..5 white, 6 black, 7 grey: three runs, drawn at the start and at
    // each repaint.
    std::vector<Pixel> backdrop(8, kWhitePixel);
    backdrop[6] = kBlackPixel;
    backdrop[7] = 0xFF808080;
    const std::string svg = EncodeSvg(kSmall, backdrop, {RepaintOp()});
    EXPECT_TRUE(Has(svg, "viewBox=\"0 0 20 12\""));
    EXPECT_TRUE(Has(svg, "<path d=\"M0 0H20V12H0ZM1 1V11H19V1Z\" fill=\"#000000\""));
    // The surface reaches below the frame: clipped to it.
    EXPECT_TRUE(
        Has(svg, "<clipPath id=\"surface\"><rect x=\"2\" y=\"3\" width=\"10\" height=\"8\"/>"));
    EXPECT_TRUE(Has(svg, "<g transform=\"translate(2 3)\""));
    EXPECT_EQ(Count(svg, "<rect y=\"0\" width=\"10\" height=\"6\" fill=\"#ffffff\"/>"), 2);
    EXPECT_EQ(Count(svg, "<rect y=\"6\" width=\"10\" height=\"1\" fill=\"#000000\"/>"), 2);
    EXPECT_EQ(Count(svg, "<rect y=\"7\" width=\"10\" height=\"1\" fill=\"#808080\"/>"), 2);
}

}  // namespace
}  // namespace parabel
