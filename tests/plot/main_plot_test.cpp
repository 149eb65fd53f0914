#include "plot/main_plot.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/solver.h"
#include "plot/recording_surface.h"
#include "plot_ops.h"
#include "support/extended_literals.h"
#include "support/extended_printing.h"

using parabel::testing::Hex;
using parabel::testing::X;

namespace parabel {
namespace {

using testing::Point;
using testing::SegmentPoints;
using testing::TextOps;

constexpr ColorValue kCurveColor = 0x000000FF;

// The operations of DrawAxes, in order.
std::vector<DrawOp> AxesOps() {
    std::vector<DrawOp> ops = {
        MoveToOp(0, 160),         LineToOp(300, 160),       MoveToOp(150, 0),
        LineToOp(150, 320),       MoveToOp(150, 0),         LineToOp(146, 10),
        MoveToOp(150, 0),         LineToOp(154, 10),        MoveToOp(300, 160),
        LineToOp(290, 156),       MoveToOp(300, 160),       LineToOp(290, 164),
        BrushOp(0xFFFFFF),        FontOp(0x000000),         TextOutOp(156, -1, "Y"),
        TextOutOp(291, 143, "X"), TextOutOp(152, 162, "0"), TextOutOp(162, 162, "1"),
    };
    for (int k = 1; k <= 29; ++k) {
        ops.push_back(MoveToOp(10 * k, 159));
        ops.push_back(LineToOp(10 * k, 162));
    }
    for (int k = 1; k <= 29; ++k) {
        ops.push_back(MoveToOp(149, 10 * k));
        ops.push_back(LineToOp(152, 10 * k));
    }
    return ops;
}

// Where the curve starts in DrawPlot's list: repaint, pen, axes, pen.
const std::size_t kCurveStart = 2 + AxesOps().size() + 1;

struct Painted {
    RecordingSurface surface;
    PlotState state;
};

Painted Paint(Extended a, Extended b, Extended c, double root1, double root2) {
    Painted painted;
    painted.state.curveColor = kCurveColor;
    DrawPlot(painted.surface, painted.state, a, b, c, root1, root2);
    return painted;
}

TEST(DrawAxes, DrawsTheAxesInOrderAndRemembersIt) {
    RecordingSurface surface;
    PlotState state;
    DrawAxes(surface, state);
    EXPECT_EQ(surface.ops(), AxesOps());
    EXPECT_TRUE(state.axesDrawn);
}

TEST(DrawPlot, OperationListOfXSquaredMinus5XPlus6) {
    const Painted painted = Paint(1, -5, 6, 3, 2);
    const auto& ops = painted.surface.ops();
    ASSERT_GE(ops.size(), kCurveStart);
    std::vector<DrawOp> expectedHead = {RepaintOp(), PenOp(0)};
    const std::vector<DrawOp> axes = AxesOps();
    expectedHead.insert(expectedHead.end(), axes.begin(), axes.end());
    expectedHead.push_back(PenOp(kCurveColor));
    EXPECT_EQ(std::vector<DrawOp>(ops.begin(), ops.begin() + kCurveStart), expectedHead);

    // 300 segments, each "move to P(i-1), line to P(i)", then the two labels.
    ASSERT_EQ(ops.size(), kCurveStart + 600 + 2);
    for (int i = -149; i <= 150; ++i) {
        const DrawOp& move = ops[kCurveStart + 2 * (i + 149)];
        const DrawOp& line = ops[kCurveStart + 2 * (i + 149) + 1];
        ASSERT_EQ(move.kind, DrawOp::Kind::kMoveTo);
        ASSERT_EQ(line.kind, DrawOp::Kind::kLineTo);
        EXPECT_EQ(move.x, i + 149);
        EXPECT_EQ(line.x, i + 150);
    }
    const auto points = SegmentPoints(ops, kCurveStart);
    const Point expected[] = {{0, -2900}, {1, -2865}, {150, 100},   {170, 160},  {175, 162},
                              {180, 160}, {185, 152}, {299, -1375}, {300, -1400}};
    for (const Point& point : expected) {
        EXPECT_TRUE(points.count(point)) << point.first << "," << point.second;
    }
    EXPECT_EQ(ops[ops.size() - 2], TextOutOp(183, 145, "3"));
    EXPECT_EQ(ops.back(), TextOutOp(173, 145, "2"));
}

TEST(DrawPlot, StoresTheValuesAtItsEnd) {
    const Painted painted = Paint(1, -5, 6, 3, 2);
    EXPECT_EQ(painted.state.a, 1);
    EXPECT_EQ(painted.state.b, -5);
    EXPECT_EQ(painted.state.c, 6);
    EXPECT_EQ(painted.state.root1, 3);
    EXPECT_EQ(painted.state.root2, 2);
    EXPECT_TRUE(painted.state.axesDrawn);
}

struct LabelRow {
    const char* name;
    Extended a, b, c;
    double root1, root2;
    std::vector<DrawOp> labels;
    std::vector<Point> points;
};

TEST(DrawPlot, RootLabelsAndCurvePoints) {
    const LabelRow rows[] = {
        {"x^2-x", 1, -1, 0, 1, 0, {}, {{150, 160}, {160, 160}, {155, 162}}},
        {"x^2", 1, 0, 0, -0.0, kNoRoot, {}, {{150, 160}}},
        {"x^2+1", 1, 0, 1, kNoRoot, kNoRoot, {}, {{150, 150}}},
        {"x^2+x-2", 1, 1, -2, 1, -2, {TextOutOp(133, 145, "-2")}, {}},
        {"-x^2+4",
         -1,
         0,
         4,
         -2,
         2,
         {TextOutOp(133, 145, "-2"), TextOutOp(173, 145, "2")},
         {{150, 120}}},
        {"root 2.5", 1, 0, 0, 2.5, kNoRoot, {TextOutOp(178, 145, "2.5")}, {}},
        {"root 2.25 (22.5 rounds to 22)",
         1,
         0,
         0,
         2.25,
         kNoRoot,
         {TextOutOp(175, 145, "2.25")},
         {}},
        // The double nearest 0.05 lies just above it: 0.5000000000000000277 rounds to 1.
        {"root 0.05", 1, 0, 0, 0.05, kNoRoot, {TextOutOp(154, 145, "0.05")}, {}},
        {"root 0.15 (double just below)",
         1,
         0,
         0,
         0.15,
         kNoRoot,
         {TextOutOp(154, 145, "0.15")},
         {}},
    };
    for (const LabelRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Painted painted = Paint(row.a, row.b, row.c, row.root1, row.root2);
        EXPECT_EQ(TextOps(painted.surface.ops(), kCurveStart), row.labels);
        const auto points = SegmentPoints(painted.surface.ops(), kCurveStart);
        for (const Point& point : row.points) {
            EXPECT_TRUE(points.count(point)) << point.first << "," << point.second;
        }
    }
}

TEST(DrawPlot, LowestPointOfXSquaredPlusOne) {
    const Painted painted = Paint(1, 0, 1, kNoRoot, kNoRoot);
    std::int32_t lowest = INT32_MIN;
    for (const auto& point : SegmentPoints(painted.surface.ops(), kCurveStart)) {
        lowest = std::max(lowest, point.second);
    }
    EXPECT_EQ(lowest, 160 - 10);
}

TEST(DrawPlot, LargeValuesWrapToThirtyTwoBits) {
    const Painted painted = Paint(1000000, 0, 0, 0, kNoRoot);
    const auto& ops = painted.surface.ops();
    // Segment from i = -147 to -146: move to P(-147), line to P(-146).
    const std::size_t first = kCurveStart + 2 * (-146 + 149);
    EXPECT_EQ(ops[first], MoveToOp(3, 2134067456));
    EXPECT_EQ(ops[first + 1], LineToOp(4, -2131599840));
    const std::size_t last = kCurveStart + 2 * (147 + 149);
    EXPECT_EQ(ops[last], MoveToOp(296, -2131599840));
    EXPECT_EQ(ops[last + 1], LineToOp(297, 2134067456));
}

TEST(DrawPlot, PreviousPointBeyondTheSigned64BitRangeIsHeldExactly) {
    // v = -9223372036854775807.5 rounds (ties to even) to R = -2^63, so the
    // previous point's y, 160 - R = 2^63 + 160, leaves the signed 64-bit range;
    // its low 32 bits are 160.
    const Painted painted =
        Paint(0, 0, -Hex("0xCCCCCCCCCCCCCCCCp-4") /* 922337203685477580.75 */, kNoRoot, kNoRoot);
    const auto& ops = painted.surface.ops();
    ASSERT_EQ(ops.size(), kCurveStart + 600);
    for (int i = -149; i <= 150; ++i) {
        EXPECT_EQ(ops[kCurveStart + 2 * (i + 149)], MoveToOp(i + 149, 160));
        EXPECT_EQ(ops[kCurveStart + 2 * (i + 149) + 1], LineToOp(i + 150, 160));
    }
}

TEST(DrawPlot, APointWhoseYIsTheMarkerStartsNoSegment) {
    // c * 10 = -2147483487 gives y = 160 - R = 2147483647 at every point.
    const Painted painted =
        Paint(0, 0, -Hex("0xCCCCCBCB33333333p-36") /* 214748348.7 */, kNoRoot, kNoRoot);
    EXPECT_EQ(painted.surface.ops().size(), kCurveStart);
}

TEST(DrawPlot, AllCoefficientsZeroRedrawTheXAxisInTheCurveColour) {
    const Painted painted = Paint(0, 0, 0, 3, kNoRoot);
    const auto& ops = painted.surface.ops();
    for (int i = -149; i <= 150; ++i) {
        EXPECT_EQ(ops[kCurveStart + 2 * (i + 149) + 1], LineToOp(i + 150, 160));
    }
    EXPECT_EQ(ops.back(), TextOutOp(183, 145, "3"));
}

TEST(DrawPlot, ArithmeticFaultLeavesTheDrawingWhereItHappens) {
    RecordingSurface surface;
    PlotState state;
    state.curveColor = kCurveColor;
    state.a = 7;
    state.root1 = 5;
    EXPECT_THROW(DrawPlot(surface, state, X(1e16), 0, 0, 0, kNoRoot), InvalidOperation);
    EXPECT_EQ(surface.ops().size(), kCurveStart);  // axes and ticks, no segment
    EXPECT_EQ(surface.ops().back(), PenOp(kCurveColor));
    EXPECT_EQ(state.a, 7);
    EXPECT_EQ(state.root1, 5);

    // An overflow in the extended arithmetic, after some segments.
    RecordingSurface overflow;
    EXPECT_THROW(
        DrawPlot(overflow, state, Hex("0xAC23C22116CBF8A4p+16317") /* 1e4931 */, 0, 0, 0, kNoRoot),
        ArithmeticError);
    EXPECT_EQ(state.a, 7);
}

TEST(PointerText, PointerPositionsInPlotUnits) {
    const std::tuple<int, int, const char*> rows[] = {
        {158, 168, "График функции [0;0]"},
        {0, 0, "График функции [-15.8;16.8]"},
        {321, 337, "График функции [16.3;-16.9]"},
        {163, 148, "График функции [0.5;2]"},
    };
    for (const auto& [px, py, text] : rows) {
        EXPECT_EQ(PointerText(px, py), text);
    }
}

}  // namespace
}  // namespace parabel
