// Rounding for SoftExtended beyond the common case: the one place that
// knows how a significand with its guard word becomes a value of a binary
// format below the normal range (the denormals) and beyond it (infinity),
// for the extended format and for double.
#pragma once

#include <cstdint>

#include "soft_extended.h"

namespace parabel::soft {

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

// Rounds (significand + guard / 2^64) x 2^(exponent - format.bias - 63) to
// the nearest value of the format, ties to even, for any exponent; beyond
// the largest finite value, infinity. Bit 63 of the significand is set, and
// the guard word is as for RoundPack (soft_extended_inline.h).
Packed RoundPackFormat(const BinaryFormat& format, std::int32_t exponent, std::uint64_t significand,
                       std::uint64_t guard);

}  // namespace parabel::soft
