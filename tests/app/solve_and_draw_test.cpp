#include "app/solve_and_draw.h"

#include <gtest/gtest.h>

#include "plot/plot_ops.h"
#include "plot/recording_surface.h"

namespace parabel {
namespace {

struct Row {
    const char* equation;
    SolveFailure failure;
    bool drawn;           // the panel shows the equation
    bool drawingFaulted;  // the solve got through, the drawing did not
};

const Row kRows[] = {
    {"x^2-5x+6", SolveFailure::kNone, true, false},
    {"x^2-5x+6=0", SolveFailure::kNone, true, false},
    {"-x^2+4", SolveFailure::kNone, true, false},
    {"0x^2+5x+6", SolveFailure::kForm, false, false},
    {"x^2-5y+6", SolveFailure::kConversion, false, false},
    // Solved (roots +-1e-8), but at x = 15 the panel's row 2.25e19 leaves the
    // 64-bit range.
    {"1e16x^2-1", SolveFailure::kConversion, false, true},
    {"-1e16x^2+1", SolveFailure::kConversion, false, true},
};

TEST(SolveAndDraw, DrawsWhatSolvesAndReportsDrawingFaultsAsConversionFailures) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.equation);
        RecordingSurface panel;
        PlotState state;
        state.curveColor = 0xFF;
        const SolveAndDrawResult result = SolveAndDraw(row.equation, panel, state);
        const SolveOutcome solvedAlone = Solve(row.equation);

        EXPECT_EQ(result.outcome.failure, row.failure);
        EXPECT_EQ(result.drawingFaulted, row.drawingFaulted);
        EXPECT_EQ(result.drawingFault.empty(), !row.drawingFaulted);
        // The lines are the solve's own, all of them also when drawing faulted.
        EXPECT_EQ(result.outcome.saved, solvedAlone.saved);
        EXPECT_EQ(result.outcome.fieldText, solvedAlone.fieldText);
        // Only a finished drawing stores the equation.
        EXPECT_EQ(state.HasPlot(), row.drawn);
        if (row.drawn) {
            EXPECT_EQ(state.a, solvedAlone.a);
            EXPECT_EQ(state.root1, solvedAlone.root1);
            EXPECT_EQ(panel.ops().front(), RepaintOp());
        }
        // A faulted drawing keeps what it drew: the axes at least.
        EXPECT_EQ(!panel.ops().empty(), row.drawn || row.drawingFaulted);
    }
}

}  // namespace
}  // namespace parabel
