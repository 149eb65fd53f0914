// Drawing and picture writing. Run: build/bench/plot_bench
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "core/solver.h"
#include "io/bmp.h"
#include "io/png.h"
#include "io/safe_save.h"
#include "plot/color.h"
#include "plot/full_screen_plot.h"
#include "plot/main_plot.h"
#include "plot/picture.h"
#include "plot/raster_surface.h"
#include "typed_equations.h"

namespace {

using namespace parabel;

void PaintPanel(benchmark::State& state, Extended a, Extended b, Extended c) {
    RasterSurface surface(kPanelWidth, kPanelHeight, kWhitePixel);
    PlotState plot;
    plot.curveColor = 0x0000FF;
    for (auto _ : state) {
        DrawPlot(surface, plot, a, b, c, 3, 2);
        benchmark::DoNotOptimize(surface.pixels().data());
    }
}

void BM_DrawPlot(benchmark::State& state) {
    PaintPanel(state, 1, -5, 6);
}
BENCHMARK(BM_DrawPlot);

// What a user's Enter costs in the panel: the solve, then the drawing of its
// parabola, over equations of the kinds people type. The figure that
// bench/extended_side_by_side.py compares between the x87 and the software
// arithmetic. It checks that what it timed happened: every equation solved
// with its worked solution, and the last curve is on the panel.
void BM_SolveAndDraw(benchmark::State& state) {
    RasterSurface surface(kPanelWidth, kPanelHeight, kWhitePixel);
    PlotState plot;
    plot.curveColor = 0x0000FF;
    std::int64_t drawn = 0;
    for (auto _ : state) {
        for (const char* const equation : kTypedEquations) {
            const SolveOutcome outcome = Solve(equation);
            if (outcome.failure == SolveFailure::kNone && !outcome.displayed.empty()) {
                DrawPlot(surface, plot, outcome.a, outcome.b, outcome.c, outcome.root1,
                         outcome.root2);
                ++drawn;
            }
        }
        benchmark::DoNotOptimize(surface.pixels().data());
    }
    const auto expected =
        static_cast<std::int64_t>(state.iterations() * std::size(kTypedEquations));
    const Pixel curve = ResolveColor(plot.curveColor);
    const bool curveDrawn = std::find(surface.pixels().begin(), surface.pixels().end(), curve) !=
                            surface.pixels().end();
    if (drawn != expected) {
        state.SkipWithError("an equation did not solve");
    } else if (!curveDrawn) {
        state.SkipWithError("no curve on the panel");
    }
    state.SetItemsProcessed(drawn);
}
BENCHMARK(BM_SolveAndDraw);

// a = 1000000: segments from far below the panel to far above it.
void BM_DrawPlotWrapping(benchmark::State& state) {
    PaintPanel(state, 1000000, 0, 0);
}
BENCHMARK(BM_DrawPlotWrapping);

// The plot state after x^2-5x+6 was solved, drawn in red.
PlotState SolvedParabola() {
    PlotState main;
    main.curveColor = 0x0000FF;
    main.a = 1;
    main.b = -5;
    main.c = 6;
    main.root1 = 3;
    main.root2 = 2;
    return main;
}

void BM_FullScreenRefresh(benchmark::State& state) {
    const ScreenSize screen{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
    RasterSurface surface = MakeFullScreenSurface(screen, 0xFFD4D0C8);
    const PlotState main = SolvedParabola();
    for (auto _ : state) {
        DrawFullScreenPlot(surface, screen, main);
        benchmark::DoNotOptimize(surface.pixels().data());
    }
    state.counters["pixels"] = static_cast<double>(screen.width) * screen.height;
}
BENCHMARK(BM_FullScreenRefresh)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Args({7680, 4320})
    ->Unit(benchmark::kMillisecond);

// What the refresh is measured against: one memset over a buffer of the
// surface's size.
void BM_MemsetOfTheSurface(benchmark::State& state) {
    const ScreenSize screen{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
    std::vector<Pixel> pixels(static_cast<std::size_t>(screen.width - 16) * (screen.height - 16));
    for (auto _ : state) {
        std::memset(pixels.data(), 0xFF, pixels.size() * sizeof(Pixel));
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_MemsetOfTheSurface)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Args({7680, 4320})
    ->Unit(benchmark::kMillisecond);

std::vector<Pixel> LargePicture() {
    return std::vector<Pixel>(3840u * 2120, 0xFFFFFFFF);
}

void BM_SaveBmp3840x2160(benchmark::State& state) {
    const std::vector<Pixel> pixels = LargePicture();
    const std::string path = "/tmp/parabel-bench.bmp";
    for (auto _ : state) {
        SaveFileSafely(path, EncodeBmp({3840, 2120, pixels.data()}));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveBmp3840x2160)->Unit(benchmark::kMillisecond);

// The full-screen picture streamed from the surface into the file, a row
// at a time, as the programs save it.
void BM_SaveStreamedBmp3840x2160(benchmark::State& state) {
    const ScreenSize screen{3840, 2160};
    const RasterSurface surface = MakeFullScreenSurface(screen, 0xFFD4D0C8);
    const FramedSurface picture = FullScreenPictureRows(surface, screen);
    const std::string path = "/tmp/parabel-bench-streamed.bmp";
    for (auto _ : state) {
        SaveFileSafely(path, FileContent(BmpFileSize(picture.width(), picture.height()),
                                         [&](const FileContent::Sink& sink) {
                                             WriteBmp(
                                                 picture.width(), picture.height(),
                                                 [&](int y, Pixel* out) { picture.Row(y, out); },
                                                 sink);
                                         }));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveStreamedBmp3840x2160)->Unit(benchmark::kMillisecond);

// The full-screen plot of x^2-5x+6 as PNG, streamed from the surface into
// the file as parabel-cli saves it.
void BM_SaveStreamedPng3840x2160(benchmark::State& state) {
    const ScreenSize screen{3840, 2160};
    RasterSurface surface = MakeFullScreenSurface(screen, 0xFFD4D0C8);
    const PlotState main = SolvedParabola();
    DrawFullScreenPlot(surface, screen, main);
    const FramedSurface picture = FullScreenPictureRows(surface, screen);
    const std::string path = "/tmp/parabel-bench-streamed.png";
    for (auto _ : state) {
        SaveFileSafely(path, FileContent([&](const FileContent::Sink& sink) {
                           WritePng(
                               picture.width(), picture.height(),
                               [&](int y, Pixel* out) { picture.Row(y, out); }, sink);
                       }));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveStreamedPng3840x2160)->Unit(benchmark::kMillisecond);

// The same bytes with a plain fwrite (and the same flush to the disk).
void BM_PlainFwrite3840x2160(benchmark::State& state) {
    const std::vector<Pixel> pixels = LargePicture();
    const std::vector<std::uint8_t> bytes = EncodeBmp({3840, 2120, pixels.data()});
    const std::string path = "/tmp/parabel-bench-plain.bmp";
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fflush(file);
        fsync(fileno(file));
        std::fclose(file);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_PlainFwrite3840x2160)->Unit(benchmark::kMillisecond);

}  // namespace
