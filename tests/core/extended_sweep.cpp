// Compares SoftExtended with HardwareExtended on COUNT seeded operands,
// spread evenly over every operation, and prints per operation how many it
// ran and how many disagreed (the first disagreements in full). Exits 1 on
// any disagreement.
//   extended_sweep COUNT [SEED]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/extended_agreement.h"
#include "support/extended_samples.h"

int main(int argc, char** argv) {
    using namespace parabel::testing;
    if (argc < 2) {
        std::fprintf(stderr, "usage: extended_sweep COUNT [SEED]\n");
        return 2;
    }
    const std::uint64_t count = std::strtoull(argv[1], nullptr, 10);
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    OperandSampler sampler(seed);
    std::uint64_t runs[kExtendedOpCount] = {};
    std::uint64_t differences[kExtendedOpCount] = {};
    std::uint64_t total = 0;
    for (std::uint64_t n = 0; n < count; ++n) {
        const auto op = static_cast<ExtendedOp>(n % kExtendedOpCount);
        const Operands operands = sampler.Next(op);
        ++runs[static_cast<int>(op)];
        const std::string difference = Disagreement(op, operands);
        if (!difference.empty()) {
            if (++total <= 20) {
                std::printf("%s\n", difference.c_str());
            }
            ++differences[static_cast<int>(op)];
        }
    }
    for (int index = 0; index < kExtendedOpCount; ++index) {
        std::printf("%-16s %12llu operands %8llu differences\n",
                    OpName(static_cast<ExtendedOp>(index)),
                    static_cast<unsigned long long>(runs[index]),
                    static_cast<unsigned long long>(differences[index]));
    }
    std::printf("seed %llu: %llu operands, %llu differences\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(count),
                static_cast<unsigned long long>(total));
    return total == 0 ? 0 : 1;
}
