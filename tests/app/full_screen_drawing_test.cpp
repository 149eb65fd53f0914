#include "app/full_screen_drawing.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/solver.h"
#include "plot/recording_surface.h"
#include "support/extended_literals.h"

using parabel::testing::X;

namespace parabel {
namespace {

constexpr ScreenSize kScreen{1024, 768};

PlotState Equation(Extended a) {
    PlotState state;
    state.a = a;
    state.root1 = kNoRoot;
    state.root2 = kNoRoot;
    return state;
}

TEST(FullScreenDrawing, DrawsOncePerOpening) {
    FullScreenDrawing drawing;
    RecordingSurface surface;
    const PlotState main = Equation(1);
    drawing.DrawOnce(surface, kScreen, main);
    const std::size_t once = surface.ops().size();
    ASSERT_GT(once, 0u);
    EXPECT_TRUE(drawing.drawn());
    drawing.DrawOnce(surface, kScreen, main);
    EXPECT_EQ(surface.ops().size(), once);

    drawing.Reset();
    EXPECT_FALSE(drawing.drawn());
    drawing.DrawOnce(surface, kScreen, main);
    EXPECT_EQ(surface.ops().size(), 2 * once);
}

TEST(FullScreenDrawing, AFaultIsRaisedOncePerOpeningAndRefreshAlwaysDraws) {
    FullScreenDrawing drawing;
    const PlotState main = Equation(X(4e14));  // the first point leaves 64 bits
    RecordingSurface surface;
    EXPECT_THROW(drawing.DrawOnce(surface, kScreen, main), ArithmeticError);
    EXPECT_FALSE(drawing.drawn());
    const std::size_t faulted = surface.ops().size();
    EXPECT_NO_THROW(drawing.DrawOnce(surface, kScreen, main));
    EXPECT_EQ(surface.ops().size(), faulted);

    EXPECT_THROW(FullScreenDrawing::Draw(surface, kScreen, main), ArithmeticError);
    EXPECT_EQ(surface.ops().size(), 2 * faulted);

    drawing.Reset();
    EXPECT_THROW(drawing.DrawOnce(surface, kScreen, main), ArithmeticError);
}

}  // namespace
}  // namespace parabel
