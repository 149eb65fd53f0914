#include "app/plot_description.h"

#include <vector>

#include "core/catalog.h"
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
        return std::string(Text(Message::kPlotNone));
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
    const std::string graph =
        FormatText(state.a != 0 ? Message::kPlotParabola : Message::kPlotLine, {{"sum", sum}});
    if (roots.empty()) {
        return FormatText(Message::kPlotNoRoots, {{"graph", graph}});
    }
    const std::string first = RealToText(Extended::FromDouble(roots[0]));
    if (roots.size() == 1) {
        return FormatText(Message::kPlotOneRoot, {{"graph", graph}, {"x", first}});
    }
    return FormatText(Message::kPlotTwoRoots,
                      {{"graph", graph},
                       {"x1", first},
                       {"x2", RealToText(Extended::FromDouble(roots[1]))}});
}

}  // namespace parabel
