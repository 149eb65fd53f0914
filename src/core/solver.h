// The solve command's computation, from the equation field's text to the
// worked solution and the roots: everything the window applies to its field,
// its solution list, its saved solution and its plot.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "extended.h"

namespace parabel {

// A root at this place does not exist.
constexpr double kNoRoot = 2147483647.0;

// The separator line of the worked solution: 26 underscores.
extern const char* const kSeparatorLine;

enum class SolveFailure {
    kNone,        // solved: plot a, b, c, root1, root2 next
    kForm,        // no x^2 term: the form message
    kConversion,  // a piece that is no number, or an arithmetic fault
};

// The message of a failed solve in the current language (its box's caption
// is Message::kBoxError), and the failure's short name for scripts:
// "form" or "conversion". Only for a failure (not kNone).
const char* FailureMessage(SolveFailure failure);
const char* FailureName(SolveFailure failure);

struct SolveOutcome {
    SolveFailure failure = SolveFailure::kNone;
    // The field's text afterwards: the text without a final "=0", with "=0"
    // appended again when the solve got through all its lines.
    std::string fieldText;
    // The saved solution: the equation line, then (as far as the solve got)
    // the lines of the displayed list.
    std::vector<std::string> saved;
    // Whether the displayed list was emptied and refilled with `displayed`;
    // when false the list keeps the previous solve's lines.
    bool listReplaced = false;
    std::vector<std::string> displayed;
    // Valid when failure is kNone; handed to the plot.
    Extended a = 0;
    Extended b = 0;
    Extended c = 0;
    // D = b*b - (a*4)*c as computed, also when a later step failed; nothing
    // when the solve did not get that far (no x^2 term, a coefficient that is
    // no number, a fault computing D).
    std::optional<Extended> discriminant;
    double root1 = 0;
    double root2 = 0;
};

// Solves the equation in `fieldText` (UTF-8, already in lower case):
//   D = b*b - (a*4)*c; D < 0: no root; D = 0: x = (-b)/(a*2);
//   D > 0: x(1) = (sqrt D + (-b))/(a*2), x(2) = ((-b) - sqrt D)/(a*2).
// Every number is written by RealToText. A fault stops the computation where
// it happens and the outcome holds what was done until then:
//   conversion of a coefficient   list unchanged, saved = equation line
//   fault computing D             list emptied, saved = equation line
//   fault computing a root        the head lines, up to D's, in both; all
//                                 lines when only the rounding of a root to
//                                 double fails
// Never throws for any input text.
SolveOutcome Solve(std::string_view fieldText);

}  // namespace parabel
