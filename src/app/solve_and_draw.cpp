#include "solve_and_draw.h"

#include <exception>

#include "drawing_bounds.h"
#include "plot/main_plot.h"

namespace parabel {

namespace {

void DrawReportingFaults(SolveAndDrawResult& result, Surface& panel, PlotState& state) {
    SolveOutcome& outcome = result.outcome;
    try {
        DrawPlot(panel, state, outcome.a, outcome.b, outcome.c, outcome.root1, outcome.root2);
    } catch (const std::exception& fault) {
        outcome.failure = SolveFailure::kConversion;
        result.drawingFaulted = true;
        result.drawingFault = fault.what();
    }
}

}  // namespace

SolveAndDrawResult SolveAndDraw(std::string_view fieldText, Surface& panel, PlotState& state) {
    SolveAndDrawResult result;
    result.outcome = Solve(fieldText);
    if (result.outcome.failure == SolveFailure::kNone) {
        DrawReportingFaults(result, panel, state);
    }
    return result;
}

SolveAndDrawResult SolveWithoutPicture(std::string_view fieldText) {
    SolveAndDrawResult result;
    result.outcome = Solve(fieldText);
    const SolveOutcome& outcome = result.outcome;
    if (outcome.failure != SolveFailure::kNone ||
        PanelDrawingCannotFault(outcome.a, outcome.b, outcome.c, outcome.root1, outcome.root2)) {
        return result;
    }
    NullSurface keepsNothing;
    PlotState state;
    DrawReportingFaults(result, keepsNothing, state);
    return result;
}

}  // namespace parabel
