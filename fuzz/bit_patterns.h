// Values from raw fuzz bytes: every bit pattern of the formats, made
// canonical where the program could never hold the pattern itself.
#pragma once

#include <cstdint>
#include <cstring>

#include "core/extended.h"

namespace parabel::fuzz {

// The 80-bit extended value whose ten bytes (little-endian, as in memory)
// start at `bytes`.
inline Extended ExtendedFromBytes(const std::uint8_t* bytes) {
    return ExtendedBits::FromBytes(bytes).Value();
}

// A finite extended value as arithmetic produces it: the largest exponent
// (infinity and NaN) becomes the one below, and the explicit integer bit is
// set for a normal value and clear for a denormal one (no unnormals or
// pseudo-denormals).
inline Extended FiniteExtendedFromBytes(const std::uint8_t* bytes) {
    ExtendedBits bits = ExtendedBits::Of(ExtendedFromBytes(bytes));
    if (bits.exponent == 0x7FFF) {
        bits.exponent = 0x7FFE;
    }
    constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
    bits.significand =
        bits.exponent == 0 ? bits.significand & ~kIntegerBit : bits.significand | kIntegerBit;
    return bits.Value();
}

// The double whose eight bytes start at `bytes`: any pattern, NaN and
// infinities included.
inline double DoubleFromBytes(const std::uint8_t* bytes) {
    double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

}  // namespace parabel::fuzz
