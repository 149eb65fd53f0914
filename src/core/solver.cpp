#include "solver.h"

#include "catalog.h"
#include "checked.h"
#include "equation.h"
#include "errors.h"
#include "real_to_text.h"

namespace parabel {

const char* const kSeparatorLine = "__________________________";

const char* FailureMessage(SolveFailure failure) {
    // The catalog's texts end in a zero byte.
    return Text(failure == SolveFailure::kForm ? Message::kSolutionFormError
                                               : Message::kSolutionConversionError)
        .data();
}

const char* FailureName(SolveFailure failure) {
    return failure == SolveFailure::kForm ? "form" : "conversion";
}

namespace {

using Lines = std::vector<std::string>;

// Adds the lines to the displayed list, then the same lines to the saved
// solution. The numbers in them are computed before, so a fault computing
// them leaves both without these lines.
void AddLines(SolveOutcome& outcome, const Lines& lines) {
    outcome.displayed.insert(outcome.displayed.end(), lines.begin(), lines.end());
    outcome.saved.insert(outcome.saved.end(), lines.begin(), lines.end());
}

void SolveNoRoot(SolveOutcome& outcome) {
    AddLines(outcome, {std::string(Text(Message::kSolutionNoRoots)), kSeparatorLine,
                       std::string(Text(Message::kSolutionNoRootsAnswer))});
    outcome.root1 = kNoRoot;
    outcome.root2 = kNoRoot;
}

void SolveOneRoot(SolveOutcome& outcome) {
    const Extended a = outcome.a;
    const Extended b = outcome.b;
    const Extended root = Div(-b, Mul(a, 2));
    AddLines(outcome, {std::string(Text(Message::kSolutionOneRoot)),
                       "x=(" + RealToText(-b) + ")/(2*(" + RealToText(a) + "))=" + RealToText(root),
                       kSeparatorLine,
                       FormatText(Message::kSolutionOneRootAnswer, {{"x", RealToText(root)}})});
    outcome.root1 = ToDouble(root);
    outcome.root2 = kNoRoot;
}

void SolveTwoRoots(SolveOutcome& outcome, Extended d) {
    const Extended a = outcome.a;
    const Extended b = outcome.b;
    const Extended s = Sqrt(d);
    const Extended root1 = Div(Add(s, -b), Mul(a, 2));
    const Extended root2 = Div(Sub(-b, s), Mul(a, 2));
    AddLines(outcome, {std::string(Text(Message::kSolutionTwoRoots)),
                       "x(1,2)=((" + RealToText(-b) + ")±(" + RealToText(d) + "^(1/2)))/(2*(" +
                           RealToText(a) + "))",
                       "x(1)=" + RealToText(root1), "x(2)=" + RealToText(root2), kSeparatorLine,
                       FormatText(Message::kSolutionTwoRootsAnswer,
                                  {{"x1", RealToText(root1)}, {"x2", RealToText(root2)}})});
    outcome.root1 = ToDouble(root1);
    outcome.root2 = ToDouble(root2);
}

// Steps from the coefficients to the appended "=0"; may throw.
void SolveFromText(SolveOutcome& outcome) {
    const Coefficients coefficients = ReadCoefficients(outcome.fieldText);
    if (coefficients.a == 0) {
        outcome.failure = SolveFailure::kForm;
        return;
    }
    outcome.a = coefficients.a;
    outcome.b = coefficients.b;
    outcome.c = coefficients.c;
    outcome.listReplaced = true;

    // D in exactly this order: the factor 4 multiplies a before c.
    const Extended t1 = Mul(outcome.b, outcome.b);
    const Extended t2 = Mul(outcome.a, 4);
    const Extended t3 = Mul(t2, outcome.c);
    const Extended d = Sub(t1, t3);
    outcome.discriminant = d;

    AddLines(outcome, {std::string(Text(Message::kSolutionTitle)), kSeparatorLine,
                       "D=(" + RealToText(outcome.b) + ")^2-4*(" + RealToText(outcome.a) + ")*(" +
                           RealToText(outcome.c) + ")=" + RealToText(d)});

    if (d < 0) {
        SolveNoRoot(outcome);
    } else if (d == 0) {
        SolveOneRoot(outcome);
    } else {
        SolveTwoRoots(outcome, d);
    }
    outcome.fieldText += "=0";
}

}  // namespace

SolveOutcome Solve(std::string_view fieldText) {
    SolveOutcome outcome;
    outcome.fieldText = StripEqualsZero(fieldText);
    outcome.saved.push_back(outcome.fieldText + "=0");
    try {
        SolveFromText(outcome);
    } catch (const ConversionError&) {
        outcome.failure = SolveFailure::kConversion;
    } catch (const ArithmeticError&) {
        outcome.failure = SolveFailure::kConversion;
    }
    if (outcome.failure != SolveFailure::kNone) {
        outcome.root1 = outcome.root2 = 0;
    }
    return outcome;
}

}  // namespace parabel
