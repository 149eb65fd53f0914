#include "soft_extended_round.h"

namespace parabel::soft {

namespace {

int LeadingZeros(Uint128 value) {
    const auto high = static_cast<std::uint64_t>(value >> 64);
    return high != 0 ? std::countl_zero(high)
                     : 64 + std::countl_zero(static_cast<std::uint64_t>(value));
}

}  // namespace

Uint128 ShiftRightRounded(Uint128 value, int shift, RoundingMode mode) {
    if (shift > 128) {
        return 0;  // below half a unit whatever the mode
    }
    const Uint128 kept = shift == 128 ? 0 : value >> shift;
    if (mode == RoundingMode::kTowardZero) {
        return kept;
    }
    const Uint128 half = Uint128{1} << (shift - 1);
    const Uint128 rest = shift == 128 ? value : value & ((Uint128{1} << shift) - 1);
    const bool up = rest > half || (rest == half && (kept & 1) != 0);
    return kept + (up ? 1 : 0);
}

Uint128 ShiftRightSticky(Uint128 value, int shift) {
    if (shift <= 0) {
        return value;
    }
    if (shift >= 128) {
        return value != 0 ? 1 : 0;
    }
    const bool lost = (value << (128 - shift)) != 0;
    return (value >> shift) | (lost ? 1 : 0);
}

Packed RoundPack(const BinaryFormat& format, std::int32_t exponent, Uint128 significand) {
    if (significand == 0) {
        return {0, 0};
    }
    // Normalise: the leading bit to bit 127, standing for 2^exponent.
    const int leadingZeros = LeadingZeros(significand);
    significand <<= leadingZeros;
    exponent -= leadingZeros;
    std::int32_t biased = exponent + format.bias;

    // Below the normal range the last significand bit stays at the smallest
    // normal exponent's, so fewer bits are kept.
    const int denormalShift = biased < 1 ? 1 - biased : 0;
    const int dropped = 128 - format.precision + denormalShift;
    Uint128 kept = ShiftRightRounded(significand, dropped, RoundingMode::kNearestEven);

    const Uint128 integerBit = Uint128{1} << (format.precision - 1);
    if (denormalShift > 0) {
        // A denormal that rounded up to the integer bit is the smallest normal.
        biased = kept >= integerBit ? 1 : 0;
    } else if (kept > (integerBit << 1) - 1) {
        kept >>= 1;  // rounded up to the next power of two
        biased += 1;
    }
    if (biased > format.maxExponent) {
        return {static_cast<std::uint16_t>(format.maxExponent + 1),
                static_cast<std::uint64_t>(integerBit)};
    }
    return {static_cast<std::uint16_t>(biased), static_cast<std::uint64_t>(kept)};
}

SoftExtended RoundPackExtended(bool negative, std::int32_t exponent, Uint128 significand) {
    const Packed packed = RoundPack(kExtendedFormat, exponent, significand);
    return SoftExtended::FromFields(negative, packed.exponent, packed.significand);
}

}  // namespace parabel::soft
