// Solve and draw in a plain loop, for builds without Google Benchmark (the
// WebAssembly build under Node): the equations of plot_bench's
// BM_SolveAndDraw (typed_equations.h), solved and drawn in the panel for
// about two seconds; prints microseconds per equation and how many were
// drawn.
//   em++ ... bench/solve_draw_timer.cpp ... && node solve_draw_timer.js
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "core/solver.h"
#include "plot/main_plot.h"
#include "plot/raster_surface.h"
#include "typed_equations.h"

int main() {
    using namespace parabel;
    RasterSurface surface(kPanelWidth, kPanelHeight, kWhitePixel);
    PlotState plot;
    plot.curveColor = 0x0000FF;
    std::int64_t solved = 0;
    std::int64_t drawn = 0;
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = std::chrono::steady_clock::duration{};
    while (elapsed < std::chrono::seconds(2)) {
        for (const char* const equation : kTypedEquations) {
            const SolveOutcome outcome = Solve(equation);
            ++solved;
            if (outcome.failure == SolveFailure::kNone) {
                DrawPlot(surface, plot, outcome.a, outcome.b, outcome.c, outcome.root1,
                         outcome.root2);
                ++drawn;
            }
        }
        elapsed = std::chrono::steady_clock::now() - start;
    }
    const double micros = std::chrono::duration<double, std::micro>(elapsed).count();
    std::printf("%.2f us per solve and draw, %lld of %lld drawn\n", micros / solved,
                static_cast<long long>(drawn), static_cast<long long>(solved));
    return drawn == solved ? 0 : 1;
}
