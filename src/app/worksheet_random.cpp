#include "worksheet_random.h"

namespace parabel {

std::uint64_t WorksheetRandom::Next() {
    state_ += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

int WorksheetRandom::Between(int low, int high) {
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low + 1);
    return static_cast<int>(static_cast<std::int64_t>(low) +
                            static_cast<std::int64_t>(Next() % span));
}

int WorksheetRandom::OneOf(std::span<const int> choices) {
    return choices[static_cast<std::size_t>(Between(0, static_cast<int>(choices.size()) - 1))];
}

WorksheetRandom VariantRandom(std::uint32_t seed, int variant) {
    return WorksheetRandom(std::uint64_t{seed} << 8 | static_cast<std::uint8_t>(variant));
}

}  // namespace parabel
