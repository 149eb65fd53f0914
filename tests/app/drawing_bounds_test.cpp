#include "app/drawing_bounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "app/solve_and_draw.h"
#include "core/errors.h"
#include "core/solver.h"
#include "plot/main_plot.h"
#include "support/extended_literals.h"

using parabel::testing::Hex;
using parabel::testing::X;

namespace parabel {
namespace {

// A value of random sign whose magnitude is 2^e for e spread over the
// range where the panel's drawing starts to fault (|a| near 4e15 = 2^52,
// |c| near 9e17 = 2^60, roots near 9e17), with some exact powers of two.
Extended RandomValue(std::mt19937_64& random, int lowExponent, int highExponent) {
    std::uniform_real_distribution<double> exponent(lowExponent, highExponent);
    const Extended magnitude = Extended::FromDouble(std::exp2(exponent(random)));
    return (random() & 1) != 0 ? magnitude : -magnitude;
}

bool DrawingFaults(Extended a, Extended b, Extended c, double root1, double root2) {
    NullSurface surface;
    PlotState state;
    try {
        DrawPlot(surface, state, a, b, c, root1, root2);
    } catch (const ArithmeticError&) {
        return true;
    }
    return false;
}

TEST(PanelDrawingCannotFault, NeverClaimsSafetyForADrawingThatFaults) {
    std::mt19937_64 random(20261207);
    int proven = 0;
    int faulted = 0;
    for (int n = 0; n < 200000; ++n) {
        const Extended a = RandomValue(random, 40, 64);
        const Extended b = RandomValue(random, 40, 66);
        const Extended c = RandomValue(random, 50, 66);
        const double root = RandomValue(random, 50, 64).ToDouble();
        const bool safe = PanelDrawingCannotFault(a, b, c, root, kNoRoot);
        const bool faults = DrawingFaults(a, b, c, root, kNoRoot);
        ASSERT_FALSE(safe && faults) << "a=" << a.ToDouble() << " b=" << b.ToDouble()
                                     << " c=" << c.ToDouble() << " root=" << root;
        proven += safe;
        faulted += faults;
    }
    // The sweep straddles the limit: both kinds occur in numbers.
    EXPECT_GT(proven, 10000);
    EXPECT_GT(faulted, 10000);
}

TEST(PanelDrawingCannotFault, ProvesOrdinaryEquationsAndNotTheExtremes) {
    EXPECT_TRUE(PanelDrawingCannotFault(1, -5, 6, 3, 2));
    EXPECT_TRUE(PanelDrawingCannotFault(-X(1e12), X(1e15), X(1e17), 1e-300, kNoRoot));
    EXPECT_FALSE(PanelDrawingCannotFault(X(1e16), 0, -1, 1e-8, -1e-8));
    EXPECT_FALSE(PanelDrawingCannotFault(1, 0, 0, 1e300, 0));
    EXPECT_FALSE(
        PanelDrawingCannotFault(Hex("0xD1BA8323FE558C61p+13224") /* 1e4000 */, 0, 0, 0, 0));
}

TEST(SolveWithoutPicture, GivesWhatSolvingAndDrawingGives) {
    const char* equations[] = {
        "x^2-5x+6",  "x^2+x+1",     "1e16x^2-1",  "4e15x^2-1",  "4.1e15x^2-1",         "x^2-1e18x",
        "x^2-9e17x", "x^2-9.3e17x", "x^2+9.2e17", "x^2+9.3e17", "1e-4931x^2+x+3e4931", "0x^2+1",
        "x^2-5y",    "-x^2+4e17x",  "x^2-4e17",
    };
    for (const char* equation : equations) {
        SCOPED_TRACE(equation);
        NullSurface surface;
        PlotState state;
        const SolveAndDrawResult drawn = SolveAndDraw(equation, surface, state);
        const SolveAndDrawResult checked = SolveWithoutPicture(equation);
        EXPECT_EQ(checked.outcome.failure, drawn.outcome.failure);
        EXPECT_EQ(checked.outcome.saved, drawn.outcome.saved);
        EXPECT_EQ(checked.drawingFaulted, drawn.drawingFaulted);
        EXPECT_EQ(checked.drawingFault, drawn.drawingFault);
    }
}

}  // namespace
}  // namespace parabel
