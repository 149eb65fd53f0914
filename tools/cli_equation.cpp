#include "cli_equation.h"

#include "cli_input.h"
#include "core/errors.h"
#include "core/lower_case.h"
#include "core/windows1251.h"
#include "plot/main_plot.h"

namespace parabel::cli {

bool AcceptedByTheField(const std::string& equation) {
    if (FitsWindows1251(equation)) {
        return true;
    }
    Complain(
        "the equation holds characters that the equation field does not accept"
        " (only UTF-8 text of the Windows-1251 characters)");
    return false;
}

SolveOutcome SolveAndPlot(const std::string& equation, Surface& panel, PlotState& state,
                          std::string* plotError) {
    SolveOutcome outcome = Solve(ToLowerCase(equation));
    if (outcome.failure != SolveFailure::kNone) {
        return outcome;
    }
    try {
        PbPaint(panel, state, outcome.a, outcome.b, outcome.c, outcome.root1, outcome.root2);
    } catch (const EMathError& error) {
        outcome.failure = SolveFailure::kConversion;
        if (plotError != nullptr) {
            *plotError = error.what();
        }
    }
    return outcome;
}

const char* FailureMessage(SolveFailure failure) {
    return failure == SolveFailure::kForm ? kFormMessage : kConversionMessage;
}

}  // namespace parabel::cli
