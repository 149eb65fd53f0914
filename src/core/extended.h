// The extended real: the x87 80-bit format (sign, 15-bit exponent with bias
// 16383, 64-bit significand with an explicit integer bit), in which all of the
// program's arithmetic is done.
//
// Two implementations give the same bits for every operation: the x87 itself
// (HardwareExtended, over long double, on x86) and portable C++
// (SoftExtended, everywhere else: arm64, WebAssembly). The build chooses one
// with the CMake option PARABEL_EXTENDED; nothing above this header knows
// which. Integers convert exactly and implicitly; a double only through
// Extended::FromDouble; literals are built from integers or bit fields.
#pragma once

#include <bit>
#include <cstdint>

#include "int128.h"

#if PARABEL_EXTENDED_SOFTWARE
#include "soft_extended.h"
#else
#include "hardware_extended.h"
#endif

namespace parabel {

#if PARABEL_EXTENDED_SOFTWARE
using Extended = SoftExtended;
#else
using Extended = HardwareExtended;
#endif

// A view of an extended value's bit fields, for building edge values from
// bits and printing a value's bits when a test fails.
struct ExtendedBits {
    bool negative = false;
    std::uint16_t exponent = 0;  // biased exponent field, 0 .. 0x7FFF
    std::uint64_t significand = 0;

    static constexpr int kBias = 16383;

    // The fields of the ten bytes at `bytes`, as the value lies in memory:
    // the significand, then sign and exponent, little-endian.
    static ExtendedBits FromBytes(const unsigned char* bytes) {
        std::uint64_t significand = 0;
        for (int i = 7; i >= 0; --i) {
            significand = significand << 8 | bytes[i];
        }
        const unsigned top = static_cast<unsigned>(bytes[8] | bytes[9] << 8);
        return {(top & 0x8000) != 0, static_cast<std::uint16_t>(top & 0x7FFF), significand};
    }

    static ExtendedBits Of(Extended value) {
        return {value.negative(), value.exponent(), value.significand()};
    }

    constexpr Extended Value() const { return Extended::FromFields(negative, exponent, significand); }

    bool operator==(const ExtendedBits&) const = default;
};

// The value sign x significand x 2^(exponent - 16383 - 63), for constants
// written as their bits: a normal value has bit 63 of the significand set.
constexpr Extended ExtendedFromFields(bool negative, std::uint16_t exponent,
                                      std::uint64_t significand) {
    return Extended::FromFields(negative, exponent, significand);
}

// A 128-bit integer rounded to the nearest value, ties to even, as an
// integer conversion rounds: exact below 2^64 in magnitude.
constexpr Extended ExtendedFromInteger128(Int128 integer) {
    std::uint64_t high = HighWord(integer);
    std::uint64_t low = LowWord(integer);
    const bool negative = (high >> 63) != 0;
    if (negative) {  // the magnitude, -2^127 included
        low = 0 - low;
        high = ~high + (low == 0 ? 1 : 0);
    }
    if (high == 0) {
        if (low == 0) {
            return 0;
        }
        const int shift = std::countl_zero(low);
        return ExtendedFromFields(
            negative, static_cast<std::uint16_t>(ExtendedBits::kBias + 63 - shift), low << shift);
    }
    // The top 64 bits stay; the `dropped` bits below decide the rounding.
    const int dropped = 64 - std::countl_zero(high);
    std::uint64_t kept = dropped == 64 ? high : high << (64 - dropped) | low >> dropped;
    const std::uint64_t rest = dropped == 64 ? low : low & ((std::uint64_t{1} << dropped) - 1);
    const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
    int exponent = ExtendedBits::kBias + 63 + dropped;
    if (rest > half || (rest == half && (kept & 1) != 0)) {
        kept += 1;
        if (kept == 0) {  // carried out of the top bit
            kept = std::uint64_t{1} << 63;
            exponent += 1;
        }
    }
    return ExtendedFromFields(negative, static_cast<std::uint16_t>(exponent), kept);
}

// The largest finite value, about 1.18973 x 10^4932.
inline constexpr Extended kLargestExtended =
    ExtendedFromFields(false, 0x7FFE, 0xFFFFFFFFFFFFFFFF);
// The smallest normal value, 2^-16382.
inline constexpr Extended kSmallestNormalExtended =
    ExtendedFromFields(false, 0x0001, 0x8000000000000000);

}  // namespace parabel
