// Solving an equation as the program's solve command does, down to its last
// step: the plot of the solved equation on the panel.
#pragma once

#include <string>

#include "core/solver.h"
#include "plot/plot_state.h"
#include "plot/surface.h"

namespace parabel::cli {

// Why an equation cannot stand in the equation field.
extern const char* const kFieldRefusal;

// Whether the equation could stand in the equation field: UTF-8 text of the
// characters of Windows-1251. Reports kFieldRefusal when not, after `where`
// (see Input::where).
bool AcceptedByTheField(const std::string& equation, const std::string& where = "");

// Solves the equation (taken in lower case, as the field holds it) and, when
// that succeeds, draws it on `panel` as the solve command does. A fault of the drawing is
// reported as the solve reports it: a conversion failure with every line
// saved; `plotError` then holds the fault's own message.
SolveOutcome SolveAndPlot(const std::string& equation, Surface& panel, PlotState& state,
                          std::string* plotError = nullptr);

// What SolveAndPlot returns, without a picture: the plot is drawn only when
// a cheap bound cannot rule out its faults.
SolveOutcome SolveWithoutPlot(const std::string& equation);

// The program's message for a failed solve, and the failure's short name:
// "form" or "conversion".
const char* FailureMessage(SolveFailure failure);
const char* FailureName(SolveFailure failure);

}  // namespace parabel::cli
