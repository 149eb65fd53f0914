// The solve command down to its last step: solving the equation field's text
// and drawing the solved equation on the plot panel.
#pragma once

#include <string>
#include <string_view>

#include "core/solver.h"
#include "plot/plot_state.h"
#include "plot/surface.h"

namespace parabel {

struct SolveAndDrawResult {
    // The solve's outcome. A fault of the drawing turns a solved outcome into
    // a conversion failure with every line kept, since the command reports
    // it with the conversion message.
    SolveOutcome outcome;
    // Set when the drawing faulted; `drawingFault` holds the fault's own
    // message. What was drawn before the fault stays on the panel.
    bool drawingFaulted = false;
    std::string drawingFault;
};

// Solves `fieldText`, the equation as the equation field holds it
// (EquationFieldText: the field judges a text once, where it enters), and,
// when that succeeds, draws the equation on `panel` with DrawPlot, which
// stores it in `state`. Never throws for any text.
SolveAndDrawResult SolveAndDraw(std::string_view fieldText, Surface& panel, PlotState& state);

// The same result as SolveAndDraw on a surface that keeps nothing, for
// callers that need the solution and whether drawing faults, not the
// picture: the drawing runs only when a cheap bound cannot rule out a fault.
SolveAndDrawResult SolveWithoutPicture(std::string_view fieldText);

}  // namespace parabel
