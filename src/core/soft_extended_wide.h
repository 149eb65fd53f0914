// The 128-bit integers that SoftExtended's arithmetic needs, as two 64-bit
// words: full 64 x 64 products, sums, differences and comparisons. Where
// the compiler has a 128-bit integer (x86-64, arm64) the product is its one
// multiply instruction; elsewhere (32-bit targets) it is built from 32-bit
// halves. Every other step is the same code on both, so the two give the same
// bits; PARABEL_SOFT_EXTENDED_PORTABLE_128=1 forces the halves, so that the
// tests prove them on a machine that has both.
#pragma once

#include <cstdint>

#if defined(__SIZEOF_INT128__) && !PARABEL_SOFT_EXTENDED_PORTABLE_128
#define PARABEL_SOFT_EXTENDED_NATIVE_128 1
#else
#define PARABEL_SOFT_EXTENDED_NATIVE_128 0
#endif

namespace parabel::soft {

// An unsigned 128-bit integer, or a signed one in two's complement where a
// difference may be negative.
struct Wide {
    std::uint64_t high;
    std::uint64_t low;
};

// The exact product a * b.
constexpr Wide Multiply(std::uint64_t a, std::uint64_t b) {
#if PARABEL_SOFT_EXTENDED_NATIVE_128
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    return {static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product)};
#else
    constexpr std::uint64_t kHalf = 0xFFFF'FFFF;
    const std::uint64_t aLow = a & kHalf;
    const std::uint64_t aHigh = a >> 32;
    const std::uint64_t bLow = b & kHalf;
    const std::uint64_t bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t lowHigh = aLow * bHigh;
    const std::uint64_t highLow = aHigh * bLow;
    // The middle column: three 32-bit numbers, so no carry is lost.
    const std::uint64_t middle = (lowLow >> 32) + (lowHigh & kHalf) + (highLow & kHalf);
    return {aHigh * bHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
            (middle << 32) | (lowLow & kHalf)};
#endif
}

constexpr Wide Add(Wide a, Wide b) {
    const std::uint64_t low = a.low + b.low;
    return {a.high + b.high + (low < a.low ? 1 : 0), low};
}

constexpr Wide Subtract(Wide a, Wide b) {
    return {a.high - b.high - (a.low < b.low ? 1 : 0), a.low - b.low};
}

// As a signed number: below zero.
constexpr bool IsNegative(Wide a) {
    return (a.high >> 63) != 0;
}

constexpr bool IsZero(Wide a) {
    return (a.high | a.low) == 0;
}

// At or above b, both unsigned.
constexpr bool AtLeast(Wide a, Wide b) {
    return a.high != b.high ? a.high > b.high : a.low >= b.low;
}

// The signed product of a 64-bit magnitude and a small signed factor, in
// two's complement.
constexpr Wide MultiplySigned(std::uint64_t a, std::int64_t factor) {
    const auto magnitude =
        factor < 0 ? 0 - static_cast<std::uint64_t>(factor) : static_cast<std::uint64_t>(factor);
    const Wide product = Multiply(a, magnitude);
    return factor < 0 ? Subtract({0, 0}, product) : product;
}

// A signed 128-bit value of at most 2^100 or so in magnitude as a double,
// for estimates (the rounding does not matter).
inline double ApproximateSigned(Wide a) {
    return static_cast<double>(static_cast<std::int64_t>(a.high)) * 0x1p64 +
           static_cast<double>(static_cast<std::int64_t>(a.low >> 11)) * 0x1p11;
}

}  // namespace parabel::soft
