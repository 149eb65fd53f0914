// One equation of a worksheet before the solver has checked it: integer
// coefficients of the kind asked for, the text a pupil types for them and
// the roots they were built from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "worksheet_random.h"

namespace parabel {

// The kinds of equation a worksheet mixes, from the easiest. Each kind
// leaves the others' marks out: only incomplete equations have b = 0 or
// c = 0, only decimal ones a decimal separator.
enum class EquationKind {
    kWhole,       // two whole-number roots
    kFractions,   // two roots, at least one a simple fraction; a is not 1 or -1
    kOne,         // one root: D = 0
    kNone,        // no real root: D < 0
    kDecimal,     // coefficients with one or two decimal places, two roots
    kIncomplete,  // b = 0 or c = 0 (not both)
};

inline constexpr int kEquationKindCount = 6;

// A root as the fraction numerator / denominator (denominator > 0).
struct ExactRoot {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
};

struct EquationCandidate {
    // a, b, c in hundredths for a decimal equation, else in units.
    std::int64_t a = 1;
    std::int64_t b = 0;
    std::int64_t c = 0;
    bool inHundredths = false;
    // The real roots the coefficients were built from: none, one or two.
    std::vector<ExactRoot> roots;
};

// Coefficients of `kind` drawn from `random`; a few (equal roots, a zero
// where the kind wants none) come out of no kind and are drawn again by
// the caller, as are any the solver does not answer as expected.
EquationCandidate DrawCandidate(EquationKind kind, WorksheetRandom& random);

// Whether the candidate is of its kind by its coefficients: b and c not
// zero except for an incomplete equation (one of them zero), a not 1 or -1
// for fractions, some coefficient not whole for a decimal equation, two
// different roots where the kind has two.
bool IsOfKind(const EquationCandidate& candidate, EquationKind kind);

// The text a pupil types: "2x^2-3x-5", "x^2-9", "-x^2+4x-4", "0.5x^2+x-1.5"
// with the process's decimal separator; no "=0".
std::string EquationText(const EquationCandidate& candidate);

}  // namespace parabel
