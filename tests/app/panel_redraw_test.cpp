#include "app/panel_redraw.h"

#include <gtest/gtest.h>

#include "plot/main_plot.h"
#include "plot/plot_ops.h"
#include "plot/recording_surface.h"

namespace parabel {
namespace {

std::vector<DrawOp> AxesOps() {
    RecordingSurface surface;
    PlotState state;
    DrawAxes(surface, state);
    return surface.ops();
}

TEST(PaintPanelFirstTime, DrawsTheAxesOnceAndCoversThem) {
    RecordingSurface surface;
    PlotState state;
    PaintPanelFirstTime(surface, state);
    PaintPanelFirstTime(surface, state);
    std::vector<DrawOp> expected = AxesOps();
    expected.push_back(RepaintOp());
    EXPECT_EQ(surface.ops(), expected);
    EXPECT_TRUE(state.axesDrawn);
}

TEST(RedrawFromState, RedrawsOnlyWhenACoefficientIsNonZero) {
    RecordingSurface surface;
    PlotState state;
    RedrawFromState(surface, state);
    EXPECT_TRUE(surface.ops().empty());
    for (Extended* coefficient : {&state.a, &state.b, &state.c}) {
        *coefficient = -1;
        state.root1 = -2;
        state.root2 = 2;
        RecordingSurface redrawn;
        RedrawFromState(redrawn, state);
        ASSERT_FALSE(redrawn.ops().empty());
        EXPECT_EQ(redrawn.ops().front(), RepaintOp());
        EXPECT_EQ(testing::TextOps(redrawn.ops()).back(), TextOutOp(173, 145, "2"));
        *coefficient = 0;
    }
}

}  // namespace
}  // namespace parabel
