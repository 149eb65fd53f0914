#include "soft_extended_round.h"

namespace parabel::soft {

namespace {

struct Shifted {
    std::uint64_t kept;
    std::uint64_t guard;  // as RoundPack's: lost bits below it folded into bit 0
};

// (significand, guard) moved `distance` bits right.
Shifted ShiftRightSticky(std::uint64_t significand, std::uint64_t guard, std::int64_t distance) {
    if (distance == 0) {
        return {significand, guard};
    }
    if (distance < 64) {
        const bool lost = (guard << (64 - distance)) != 0;
        return {significand >> distance,
                significand << (64 - distance) | guard >> distance | (lost ? 1 : 0)};
    }
    if (distance == 64) {
        return {0, significand | (guard != 0 ? 1 : 0)};
    }
    if (distance < 128) {
        const bool lost = (significand << (128 - distance)) != 0 || guard != 0;
        return {0, significand >> (distance - 64) | (lost ? 1 : 0)};
    }
    return {0, (significand | guard) != 0 ? 1u : 0u};
}

}  // namespace

Packed RoundPackFormat(const BinaryFormat& format, std::int32_t exponent, std::uint64_t significand,
                       std::uint64_t guard) {
    std::int64_t biased = std::int64_t{exponent} - kBias + format.bias;
    // Below the normal range the last significand bit stays at the smallest
    // normal exponent's, so fewer bits are kept.
    const std::int64_t denormalShift = biased < 1 ? 1 - biased : 0;
    const Shifted shifted =
        ShiftRightSticky(significand, guard, 64 - format.precision + denormalShift);
    std::uint64_t kept = shifted.kept;
    const bool up = shifted.guard > kHalfGuard || (shifted.guard == kHalfGuard && (kept & 1) != 0);
    kept += up ? 1 : 0;

    const std::uint64_t integerBit = std::uint64_t{1} << (format.precision - 1);
    const bool carried =
        up && (format.precision == 64 ? kept == 0 : (kept >> format.precision) != 0);
    if (denormalShift > 0) {
        // A denormal that rounded up to the integer bit is the smallest normal.
        biased = kept >= integerBit ? 1 : 0;
    } else if (carried) {
        kept = integerBit;  // rounded up to the next power of two
        biased += 1;
    }
    if (biased > format.maxExponent) {
        return {static_cast<std::uint16_t>(format.maxExponent + 1), integerBit};
    }
    return {static_cast<std::uint16_t>(biased), kept};
}

SoftExtended RoundPackOutside(bool negative, std::int32_t exponent, std::uint64_t significand,
                              std::uint64_t guard) {
    const Packed packed = RoundPackFormat(kExtendedFormat, exponent, significand, guard);
    return SoftExtended::FromFields(negative, packed.exponent, packed.significand);
}

}  // namespace parabel::soft
