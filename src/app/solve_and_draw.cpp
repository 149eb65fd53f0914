#include "solve_and_draw.h"

#include <exception>

#include "plot/main_plot.h"

namespace parabel {

SolveAndDrawResult SolveAndDraw(std::string_view fieldText, Surface& panel, PlotState& state) {
    SolveAndDrawResult result;
    result.outcome = Solve(fieldText);
    SolveOutcome& outcome = result.outcome;
    if (outcome.failure != SolveFailure::kNone) {
        return result;
    }
    try {
        DrawPlot(panel, state, outcome.a, outcome.b, outcome.c, outcome.root1, outcome.root2);
    } catch (const std::exception& fault) {
        outcome.failure = SolveFailure::kConversion;
        result.drawingFaulted = true;
        result.drawingFault = fault.what();
    }
    return result;
}

}  // namespace parabel
