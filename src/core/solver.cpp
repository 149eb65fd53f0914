#include "solver.h"

#include <functional>

#include "checked.h"
#include "equation.h"
#include "errors.h"
#include "real_to_text.h"

namespace parabel {

const char* const kFormMessage =
    "Уравнение не соответствует виду ax^2+bx+c, где\n"
    " a-любое число не равное 0\n"
    " b-любое число\n"
    " c-любое число";
const char* const kConversionMessage = "Коэффициент выражен в неприемлимом виде.";
const char* const kSeparatorLine = "__________________________";

const char* FailureMessage(SolveFailure failure) {
    return failure == SolveFailure::kForm ? kFormMessage : kConversionMessage;
}

const char* FailureName(SolveFailure failure) {
    return failure == SolveFailure::kForm ? "form" : "conversion";
}

namespace {

using LineMaker = std::function<std::string()>;

// Adds the lines to the displayed list, then the same lines to the saved
// solution; each line is made anew, so a fault leaves the lines before it.
void AddLines(SolveOutcome& outcome, const std::vector<LineMaker>& lines) {
    for (const LineMaker& line : lines) {
        outcome.displayed.push_back(line());
    }
    for (const LineMaker& line : lines) {
        outcome.saved.push_back(line());
    }
}

LineMaker Fixed(const char* text) {
    return [text] { return std::string(text); };
}

void SolveNoRoot(SolveOutcome& outcome) {
    AddLines(outcome,
             {Fixed("D<0 - Корней нет."), Fixed(kSeparatorLine), Fixed("Ответ: Корней нет.")});
    outcome.root1 = kNoRoot;
    outcome.root2 = kNoRoot;
}

void SolveOneRoot(SolveOutcome& outcome) {
    const Extended a = outcome.a;
    const Extended b = outcome.b;
    auto root = [a, b] { return Div(-b, Mul(a, 2)); };
    AddLines(outcome, {Fixed("D=0 - Один корень."),
                       [&] {
                           return "x=(" + RealToText(-b) + ")/(2*(" + RealToText(a) +
                                  "))=" + RealToText(root());
                       },
                       Fixed(kSeparatorLine), [&] { return "Ответ: " + RealToText(root()); }});
    outcome.root1 = ToDouble(root());
    outcome.root2 = kNoRoot;
}

void SolveTwoRoots(SolveOutcome& outcome, Extended d) {
    const Extended a = outcome.a;
    const Extended b = outcome.b;
    const Extended s = Sqrt(d);
    auto root1 = [a, b, s] { return Div(Add(s, -b), Mul(a, 2)); };
    auto root2 = [a, b, s] { return Div(Sub(-b, s), Mul(a, 2)); };
    AddLines(
        outcome,
        {Fixed("D>0 - Два корня."),
         [&] {
             return "x(1,2)=((" + RealToText(-b) + ")±(" + RealToText(d) + "^(1/2)))/(2*(" +
                    RealToText(a) + "))";
         },
         [&] { return "x(1)=" + RealToText(root1()); },
         [&] { return "x(2)=" + RealToText(root2()); }, Fixed(kSeparatorLine),
         [&] { return "Ответ: x(1)=" + RealToText(root1()) + " ; x(2)=" + RealToText(root2()); }});
    outcome.root1 = ToDouble(root1());
    outcome.root2 = ToDouble(root2());
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

    std::string head = "D=(" + RealToText(outcome.b) + ")^2-4*(" + RealToText(outcome.a) + ")*(" +
                       RealToText(outcome.c) + ")=" + RealToText(d);
    AddLines(outcome, {Fixed("Решение"), Fixed(kSeparatorLine), [&] { return head; }});

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
