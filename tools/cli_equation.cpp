#include "cli_equation.h"

#include "app/solve_and_draw.h"
#include "cli_input.h"
#include "core/lower_case.h"
#include "core/windows1251.h"

namespace parabel::cli {

const char* const kFieldRefusal =
    "the equation holds characters that the equation field does not accept"
    " (only UTF-8 text of the Windows-1251 characters)";

bool AcceptedByTheField(const std::string& equation, const std::string& where) {
    if (FitsWindows1251(equation)) {
        return true;
    }
    Complain(where + kFieldRefusal);
    return false;
}

SolveOutcome SolveAndPlot(const std::string& equation, Surface& panel, PlotState& state,
                          std::string* plotError) {
    SolveAndDrawResult result = SolveAndDraw(ToLowerCase(equation), panel, state);
    if (result.drawingFaulted && plotError != nullptr) {
        *plotError = result.drawingFault;
    }
    return std::move(result.outcome);
}

SolveOutcome SolveWithoutPlot(const std::string& equation) {
    return SolveWithoutPicture(ToLowerCase(equation)).outcome;
}

const char* FailureMessage(SolveFailure failure) {
    return failure == SolveFailure::kForm ? kFormMessage : kConversionMessage;
}

const char* FailureName(SolveFailure failure) {
    return failure == SolveFailure::kForm ? "form" : "conversion";
}

}  // namespace parabel::cli
