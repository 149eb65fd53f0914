// The extended real: the x87 80-bit format (sign, 15-bit exponent with bias
// 16383, 64-bit significand with an explicit integer bit), in which all of the
// program's arithmetic is done.
#pragma once

#include <cfloat>
#include <cstdint>
#include <cstring>

namespace parabel {

static_assert(LDBL_MANT_DIG == 64, "long double must be the x87 80-bit extended format");

using Extended = long double;

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
        ExtendedBits bits;
        std::memcpy(&bits.significand, bytes, 8);
        std::uint16_t top;
        std::memcpy(&top, bytes + 8, 2);
        bits.negative = (top & 0x8000) != 0;
        bits.exponent = top & 0x7FFF;
        return bits;
    }

    static ExtendedBits Of(Extended value) {
        unsigned char bytes[sizeof(Extended)] = {};
        std::memcpy(bytes, &value, 10);
        return FromBytes(bytes);
    }

    Extended Value() const {
        unsigned char bytes[sizeof(Extended)] = {};
        std::memcpy(bytes, &significand, 8);
        std::uint16_t top = static_cast<std::uint16_t>(exponent | (negative ? 0x8000 : 0));
        std::memcpy(bytes + 8, &top, 2);
        Extended value;
        std::memcpy(&value, bytes, sizeof(Extended));
        return value;
    }

    bool operator==(const ExtendedBits&) const = default;
};

}  // namespace parabel
