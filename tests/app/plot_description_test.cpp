#include "app/plot_description.h"

#include <gtest/gtest.h>

#include "core/decimal_separator.h"
#include "core/solver.h"
#include "support/extended_literals.h"

using parabel::testing::X;

namespace parabel {
namespace {

// The state a successful solve of `equation` leaves for the plot.
PlotState Solved(const char* equation) {
    const SolveOutcome outcome = Solve(equation);
    EXPECT_EQ(outcome.failure, SolveFailure::kNone) << equation;
    PlotState state;
    state.a = outcome.a;
    state.b = outcome.b;
    state.c = outcome.c;
    state.root1 = outcome.root1;
    state.root2 = outcome.root2;
    return state;
}

TEST(PlotDescription, TellsTheCurveAndItsRoots) {
    const struct {
        const char* equation;
        const char* description;
    } rows[] = {
        {"x^2-5x+6", "парабола y = x² - 5x + 6, корни 3 и 2"},
        {"-x^2+5x-6", "парабола y = -x² + 5x - 6, корни 2 и 3"},
        {"2x^2+4x+2", "парабола y = 2x² + 4x + 2, корень -1"},
        {"-x^2+4", "парабола y = -x² + 4, корни -2 и 2"},
        {"x^2", "парабола y = x², корень 0"},  // the root is -0
        {"x^2+1", "парабола y = x² + 1, корней нет"},
        {"x^2+2x+5", "парабола y = x² + 2x + 5, корней нет"},
        {"-0.5x^2-x", "парабола y = -0.5x² - x, корни -2 и 0"},
        {"x^2+x-1", "парабола y = x² + x - 1, корни 0.618033988749895 и -1.61803398874989"},
    };
    SetDecimalSeparator('.');
    for (const auto& row : rows) {
        EXPECT_EQ(PlotDescription(Solved(row.equation)), row.description) << row.equation;
    }
}

TEST(PlotDescription, NothingPlottedBeforeTheFirstSolveAndAfterClear) {
    PlotState state;
    EXPECT_EQ(PlotDescription(state), "нет графика");
    state = Solved("x^2-5x+6");
    state.a = state.b = state.c = 0;  // Clear keeps the roots
    EXPECT_EQ(PlotDescription(state), "нет графика");
}

TEST(PlotDescription, NumbersCarryTheProgramsSeparator) {
    SetDecimalSeparator(',');
    PlotState state;
    state.a = X(0.5);
    state.c = -2;
    state.root1 = 2;
    state.root2 = -2;
    EXPECT_EQ(PlotDescription(state), "парабола y = 0,5x² - 2, корни 2 и -2");
    state.root1 = 1.5;
    state.root2 = kNoRoot;
    EXPECT_EQ(PlotDescription(state), "парабола y = 0,5x² - 2, корень 1,5");
    SetDecimalSeparator('.');
}

}  // namespace
}  // namespace parabel
