// Rounding for SoftExtended: the one place that knows how a 128-bit exact
// (or sticky) significand becomes a value of a binary format, with the
// tie rule, overflow to infinity and the denormal range.
#pragma once

#include <cstdint>

#include "soft_extended.h"
#include "soft_extended_unpack.h"

namespace parabel::soft {

enum class RoundingMode : std::uint8_t { kNearestEven, kTowardZero };

// value / 2^shift rounded to an integer by `mode`, for any shift >= 1.
Uint128 ShiftRightRounded(Uint128 value, int shift, RoundingMode mode);

// value / 2^shift with every lost bit folded into bit 0 ("sticky"), so that
// it rounds the same way as the exact quotient at any bit above bit 1.
Uint128 ShiftRightSticky(Uint128 value, int shift);

// A binary format: `precision` significand bits (the integer bit included),
// exponent field 1 .. maxExponent for normal values, 0 for denormals.
struct BinaryFormat {
    int precision;
    int bias;
    int maxExponent;
};

constexpr BinaryFormat kExtendedFormat{64, SoftExtended::kBias, 0x7FFE};
constexpr BinaryFormat kDoubleFormat{53, 1023, 0x7FE};

// A rounded value's fields: the significand holds `precision` bits with the
// integer bit on top (clear in denormals); exponent maxExponent + 1 with just
// the integer bit is infinity.
struct Packed {
    std::uint16_t exponent;
    std::uint64_t significand;
};

// Rounds significand * 2^(exponent - 127) to the nearest value of the
// format, ties to even; beyond the largest finite value, infinity. A caller
// that dropped non-zero bits sets bit 0 (see ShiftRightSticky) and keeps its
// leading bit at 125 or above, so that bit 0 stays below the rounding bit.
// A zero significand gives a zero.
Packed RoundPack(const BinaryFormat& format, std::int32_t exponent, Uint128 significand);

// RoundPack to the extended format, with the sign.
SoftExtended RoundPackExtended(bool negative, std::int32_t exponent, Uint128 significand);

}  // namespace parabel::soft
