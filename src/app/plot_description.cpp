#include "app/plot_description.h"

#include <vector>

#include "core/real_to_text.h"
#include "core/solver.h"

namespace parabel {

namespace {

// Appends `coefficient` times `power` ("x²", "x" or "" for the constant)
// as the next term of a sum that so far is `sum`.
void AppendTerm(std::string& sum, Extended coefficient, const char* power) {
    if (coefficient == 0) {
        return;
    }
    const bool negative = coefficient < 0;
    const Extended magnitude = negative ? -coefficient : coefficient;
    if (sum.empty()) {
        sum += negative ? "-" : "";
    } else {
        sum += negative ? " - " : " + ";
    }
    const bool unitFactor = magnitude == 1 && *power != '\0';
    if (!unitFactor) {
        sum += RealToText(magnitude);
    }
    sum += power;
}

}  // namespace

std::string PlotDescription(const PlotState& state) {
    if (!state.HasPlot()) {
        return "нет графика";
    }
    std::string sum;
    AppendTerm(sum, state.a, "x²");
    AppendTerm(sum, state.b, "x");
    AppendTerm(sum, state.c, "");

    std::vector<double> roots;
    for (double root : {state.root1, state.root2}) {
        if (root != kNoRoot) {
            roots.push_back(root);
        }
    }
    std::string text = state.a != 0 ? "парабола y = " : "прямая y = ";
    text += sum;
    if (roots.empty()) {
        text += ", корней нет";
    } else if (roots.size() == 1) {
        text += ", корень " + RealToText(Extended::FromDouble(roots[0]));
    } else {
        text += ", корни " + RealToText(Extended::FromDouble(roots[0])) + " и " +
                RealToText(Extended::FromDouble(roots[1]));
    }
    return text;
}

}  // namespace parabel
