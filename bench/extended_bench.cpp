// Each operation of the extended interface in SoftExtended and in
// HardwareExtended (the x87), on the same operands: ordinary values of both
// signs with magnitudes between 2^-32 and 2^32, as the solver meets them.
// Items per second are operations per second.
//   Run: build/bench/extended_bench
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "core/hardware_extended.h"
#include "core/soft_extended.h"

namespace parabel {
namespace {

constexpr int kCount = 256;

template <class E>
struct Operands {
    std::vector<E> x;
    std::vector<E> y;
    std::vector<E> positive;
    std::vector<double> doubles;
    std::vector<std::int64_t> integers;

    Operands() {
        std::uint64_t state = 12345;
        auto next = [&state] {
            state = state * 6364136223846793005u + 1442695040888963407u;
            return state;
        };
        for (int i = 0; i < kCount; ++i) {
            const std::uint64_t bits = next();
            const auto exponent = static_cast<std::uint16_t>(16383 - 32 + (bits >> 58));
            x.push_back(
                E::FromFields((bits & 1) != 0, exponent, next() | (std::uint64_t{1} << 63)));
            y.push_back(
                E::FromFields((bits & 2) != 0, exponent + 1, next() | (std::uint64_t{1} << 63)));
            positive.push_back(Abs(x.back()));
            doubles.push_back(x.back().ToDouble());
            integers.push_back(static_cast<std::int64_t>(next()) >> (bits >> 58));
        }
    }
};

template <class E, class Operation>
void Run(benchmark::State& state, Operation operation) {
    const Operands<E> operands;
    for (auto _ : state) {
        for (int i = 0; i < kCount; ++i) {
            auto result = operation(operands, i);
            benchmark::DoNotOptimize(result);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

#define EXTENDED_BENCHMARK(name, expression)                                   \
    template <class E>                                                         \
    void BM_##name(benchmark::State& state) {                                  \
        Run<E>(state, [](const Operands<E>& o, int i) { return expression; }); \
    }                                                                          \
    BENCHMARK_TEMPLATE(BM_##name, SoftExtended);                               \
    BENCHMARK_TEMPLATE(BM_##name, HardwareExtended)

EXTENDED_BENCHMARK(Add, o.x[i] + o.y[i]);
EXTENDED_BENCHMARK(Subtract, o.x[i] - o.y[i]);
EXTENDED_BENCHMARK(Multiply, o.x[i] * o.y[i]);
EXTENDED_BENCHMARK(Divide, o.x[i] / o.y[i]);
EXTENDED_BENCHMARK(SquareRoot, SquareRoot(o.positive[i]));
EXTENDED_BENCHMARK(RoundToIntegral, RoundToIntegral(o.x[i]));
EXTENDED_BENCHMARK(Truncate, Truncate(o.x[i]));
EXTENDED_BENCHMARK(Less, o.x[i] < o.y[i]);
EXTENDED_BENCHMARK(Equal, o.x[i] == o.y[i]);
EXTENDED_BENCHMARK(ToDouble, o.x[i].ToDouble());
EXTENDED_BENCHMARK(ToInt64, o.x[i].ToInt64());
EXTENDED_BENCHMARK(FromDouble, E::FromDouble(o.doubles[i]));
EXTENDED_BENCHMARK(FromInteger, E::FromInteger(o.integers[i]));

}  // namespace
}  // namespace parabel
