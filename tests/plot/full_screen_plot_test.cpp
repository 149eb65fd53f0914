#include "plot/full_screen_plot.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/errors.h"
#include "core/solver.h"
#include "plot/main_plot.h"
#include "plot_ops.h"
#include "support/extended_literals.h"

using parabel::testing::X;

namespace parabel {
namespace {

using testing::Point;
using testing::SegmentPoints;
using testing::TextOps;

constexpr ColorValue kCurveColor = 0x00FF0000;
constexpr ScreenSize kScreen{1024, 768};

std::vector<DrawOp> AxesOps1024x768() {
    std::vector<DrawOp> ops = {
        RepaintOp(),
        MoveToOp(0, 364),
        LineToOp(1008, 364),
        MoveToOp(512, 0),
        LineToOp(512, 718),
        MoveToOp(512, 0),
        LineToOp(508, 10),
        MoveToOp(512, 0),
        LineToOp(516, 10),
        MoveToOp(1008, 364),
        LineToOp(998, 360),
        MoveToOp(1008, 364),
        LineToOp(998, 368),
        BrushOp(0xFFFFFF),
        FontOp(0),
        TextOutOp(518, -1, "Y"),
        TextOutOp(999, 369, "X"),
        TextOutOp(514, 366, "0"),
        TextOutOp(524, 366, "1"),
    };
    for (int k = 1; k <= 102; ++k) {
        ops.push_back(MoveToOp(10 * k, 363));
        ops.push_back(LineToOp(10 * k, 366));
    }
    for (int k = 1; k <= 77; ++k) {
        ops.push_back(MoveToOp(511, 10 * k));
        ops.push_back(LineToOp(514, 10 * k));
    }
    return ops;
}

TEST(DrawFullScreenPlot, AxesLettersAndTicksWithoutAnEquation) {
    RecordingSurface surface;
    DrawFullScreenPlot(surface, kScreen, PlotState{});
    EXPECT_EQ(surface.ops(), AxesOps1024x768());
}

TEST(DrawFullScreenPlot, CurveAndLabelsOfXSquaredMinus5XPlus6) {
    PlotState main;
    main.curveColor = kCurveColor;
    main.a = 1;
    main.b = -5;
    main.c = 6;
    main.root1 = 3;
    main.root2 = 2;
    RecordingSurface surface;
    DrawFullScreenPlot(surface, kScreen, main);
    const auto& ops = surface.ops();
    const std::size_t curve = AxesOps1024x768().size();
    ASSERT_EQ(ops[curve], PenOp(kCurveColor));
    // i = -512 .. 512: 1024 segments, then two labels and the black pen.
    ASSERT_EQ(ops.size(), curve + 1 + 2 * 1024 + 2 + 1);
    const auto points = SegmentPoints(ops, curve);
    const Point expected[] = {{0, -28470}, {512, 304}, {532, 364},    {537, 366},
                              {542, 364},  {547, 356}, {1024, -23350}};
    for (const Point& point : expected) {
        EXPECT_TRUE(points.count(point)) << point.first << "," << point.second;
    }
    EXPECT_EQ(TextOps(ops, curve),
              (std::vector<DrawOp>{TextOutOp(547, 351, "3"), TextOutOp(537, 351, "2")}));
    EXPECT_EQ(ops.back(), PenOp(0));
}

TEST(DrawFullScreenPlot, OddSizesRoundTiesToEven) {
    struct Row {
        ScreenSize screen;
        std::int32_t hx;
        int xTicks;
    };
    const Row rows[] = {{{1365, 768}, 682, 136}, {{1366, 768}, 683, 137}, {{1025, 768}, 512, 102}};
    for (const Row& row : rows) {
        RecordingSurface surface;
        DrawFullScreenPlot(surface, row.screen, PlotState{});
        const auto& ops = surface.ops();
        EXPECT_EQ(ops[3], MoveToOp(row.hx, 0));
        int xTicks = 0;
        for (const DrawOp& op : ops) {
            xTicks += op.kind == DrawOp::Kind::kLineTo && op.y == 366 && op.x % 10 == 0;
        }
        EXPECT_EQ(xTicks, row.xTicks) << row.screen.width;
    }
}

TEST(DrawFullScreenPlot, FailsForSmallerCoefficientsThanTheMainPanel) {
    PlotState main;
    main.curveColor = kCurveColor;
    main.a = X(4e14);
    RecordingSurface panel;
    PlotState panelState = main;
    EXPECT_NO_THROW(DrawPlot(panel, panelState, X(4e14), 0, 0, 0, kNoRoot));

    RecordingSurface surface;
    EXPECT_THROW(DrawFullScreenPlot(surface, kScreen, main), InvalidOperation);
    // Axes and ticks stay, no segment, the pen left at the curve colour.
    EXPECT_EQ(surface.ops().size(), AxesOps1024x768().size() + 1);
    EXPECT_EQ(surface.ops().back(), PenOp(kCurveColor));
}

TEST(FullScreenPointerText, CountsFromTheScreenPointOfTheOrigin) {
    EXPECT_EQ(FullScreenPointerText(520, 373, kScreen), "[0;2]");
    EXPECT_EQ(FullScreenPointerText(0, 0, kScreen), "[-52;39.3]");
    EXPECT_EQ(FullScreenPointerText(1023, 767, kScreen), "[50.3;-37.4]");
}

TEST(FullScreenPointerText, ExtremePointerPositionsGiveTheirQuotients) {
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    // (cx - 520) / 10 and (393 - cy) / 10 with numerators beyond 64 bits:
    // -9223372036854776328 / 10 and -9223372036854775414 / 10, each
    // rounded to 64 significant bits and printed to 15 digits.
    EXPECT_EQ(FullScreenPointerText(kMin, kMax, kScreen),
              "[-9.22337203685478E17;-9.22337203685478E17]");
    EXPECT_EQ(FullScreenPointerText(kMax, kMin, kScreen),
              "[9.22337203685478E17;9.22337203685478E17]");
    // Near zero on either side the arithmetic stays exact.
    EXPECT_EQ(FullScreenPointerText(kMin + 600, 393, kScreen), "[-9.22337203685478E17;0]");
}

}  // namespace
}  // namespace parabel
