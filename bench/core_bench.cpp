// Number conversions side by side with their glibc counterparts on the same
// inputs, and one full solve. Run: build/bench/core_bench
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/real_to_text.h"
#include "core/solver.h"
#include "core/text_to_real.h"

namespace {

// Short integers, 15-digit decimals and texts with exponents.
const std::vector<std::string> kTexts = {
    "5",
    "-12",
    "2",
    "1000",
    "0.618033988749895",
    "-1.61803398874989",
    "3.14159265358979",
    "123456.789012345",
    "1.5E-7",
    "-2.5E20",
    "6.02214076E23",
    "1E-100",
};

// The texts as the program reads them, and as the C library reads them for
// its own printing.
std::vector<parabel::Extended> Values() {
    std::vector<parabel::Extended> values;
    for (const std::string& text : kTexts) {
        values.push_back(parabel::TextToReal(text));
    }
    return values;
}

std::vector<long double> LibraryValues() {
    std::vector<long double> values;
    for (const std::string& text : kTexts) {
        values.push_back(std::strtold(text.c_str(), nullptr));
    }
    return values;
}

void BM_TextToReal(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : kTexts) {
            benchmark::DoNotOptimize(parabel::TextToReal(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * kTexts.size());
}
BENCHMARK(BM_TextToReal);

void BM_Strtold(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : kTexts) {
            benchmark::DoNotOptimize(std::strtold(text.c_str(), nullptr));
        }
    }
    state.SetItemsProcessed(state.iterations() * kTexts.size());
}
BENCHMARK(BM_Strtold);

void BM_RealToText(benchmark::State& state) {
    const std::vector<parabel::Extended> values = Values();
    char buffer[64];
    for (auto _ : state) {
        for (const parabel::Extended value : values) {
            benchmark::DoNotOptimize(parabel::RealToText(value, buffer));
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * values.size());
}
BENCHMARK(BM_RealToText);

void BM_SnprintfLg(benchmark::State& state) {
    const std::vector<long double> values = LibraryValues();
    char buffer[64];
    for (auto _ : state) {
        for (long double value : values) {
            benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.15Lg", value));
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * values.size());
}
BENCHMARK(BM_SnprintfLg);

void BM_SolveGoldenRatio(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(parabel::Solve("x^2+x-1"));
    }
}
BENCHMARK(BM_SolveGoldenRatio);

}  // namespace
