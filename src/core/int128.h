// A signed 128-bit integer, for exact integer steps whose values may pass
// the int64 range (the drawing's clipping, a pointer position beside the
// screen's middle). Int128 is the compiler's own where it has one (64-bit
// targets); 32-bit targets have none, and use PortableInt128: two words in
// two's complement with the same operations, wrapping as the built-in does.
#pragma once

#include <compare>
#include <cstdint>

#include "soft_extended_wide.h"

namespace parabel {

class PortableInt128 {
  public:
    constexpr PortableInt128() = default;
    constexpr PortableInt128(std::int64_t value)  // NOLINT(google-explicit-constructor)
        : high_(value < 0 ? ~std::uint64_t{0} : 0), low_(static_cast<std::uint64_t>(value)) {}

    static constexpr PortableInt128 FromWords(std::uint64_t high, std::uint64_t low) {
        PortableInt128 value;
        value.high_ = high;
        value.low_ = low;
        return value;
    }
    constexpr std::uint64_t high() const { return high_; }
    constexpr std::uint64_t low() const { return low_; }

    // The low 64 bits, as a built-in integer's narrowing keeps them.
    explicit constexpr operator std::int64_t() const { return static_cast<std::int64_t>(low_); }

    friend constexpr PortableInt128 operator+(PortableInt128 a, PortableInt128 b) {
        const soft::Wide sum = soft::Add({a.high_, a.low_}, {b.high_, b.low_});
        return FromWords(sum.high, sum.low);
    }
    friend constexpr PortableInt128 operator-(PortableInt128 a, PortableInt128 b) {
        const soft::Wide difference = soft::Subtract({a.high_, a.low_}, {b.high_, b.low_});
        return FromWords(difference.high, difference.low);
    }
    friend constexpr PortableInt128 operator-(PortableInt128 a) { return PortableInt128() - a; }
    friend constexpr PortableInt128 operator*(PortableInt128 a, PortableInt128 b) {
        const soft::Wide low = soft::Multiply(a.low_, b.low_);
        return FromWords(low.high + a.high_ * b.low_ + a.low_ * b.high_, low.low);
    }
    // Truncated towards zero, as the built-in divides; the remainder has
    // the dividend's sign.
    friend constexpr PortableInt128 operator/(PortableInt128 a, PortableInt128 b) {
        const PortableInt128 quotient = DivideMagnitudes(Magnitude(a), Magnitude(b), false);
        return a.IsNegative() != b.IsNegative() ? -quotient : quotient;
    }
    friend constexpr PortableInt128 operator%(PortableInt128 a, PortableInt128 b) {
        const PortableInt128 remainder = DivideMagnitudes(Magnitude(a), Magnitude(b), true);
        return a.IsNegative() ? -remainder : remainder;
    }

    friend constexpr bool operator==(PortableInt128 a, PortableInt128 b) = default;
    friend constexpr std::strong_ordering operator<=>(PortableInt128 a, PortableInt128 b) {
        if (a.high_ != b.high_) {
            return static_cast<std::int64_t>(a.high_) <=> static_cast<std::int64_t>(b.high_);
        }
        return a.low_ <=> b.low_;
    }

  private:
    constexpr bool IsNegative() const { return (high_ >> 63) != 0; }
    static constexpr PortableInt128 Magnitude(PortableInt128 a) { return a.IsNegative() ? -a : a; }

    // Unsigned long division, a bit at a time: the quotient, or the
    // remainder when `remainder`.
    static constexpr PortableInt128 DivideMagnitudes(PortableInt128 dividend,
                                                     PortableInt128 divisor, bool remainder) {
        const soft::Wide d{divisor.high_, divisor.low_};
        soft::Wide quotient{0, 0};
        soft::Wide rest{0, 0};
        for (int bit = 127; bit >= 0; --bit) {
            const std::uint64_t next =
                (bit >= 64 ? dividend.high_ >> (bit - 64) : dividend.low_ >> bit) & 1;
            rest = {rest.high << 1 | rest.low >> 63, rest.low << 1 | next};
            quotient = {quotient.high << 1 | quotient.low >> 63, quotient.low << 1};
            if (soft::AtLeast(rest, d)) {
                rest = soft::Subtract(rest, d);
                quotient.low |= 1;
            }
        }
        const soft::Wide result = remainder ? rest : quotient;
        return FromWords(result.high, result.low);
    }

    std::uint64_t high_ = 0;
    std::uint64_t low_ = 0;
};

#ifdef __SIZEOF_INT128__
using Int128 = __int128;

// The two's complement words of a value.
constexpr std::uint64_t HighWord(Int128 value) {
    return static_cast<std::uint64_t>(static_cast<unsigned __int128>(value) >> 64);
}
constexpr std::uint64_t LowWord(Int128 value) {
    return static_cast<std::uint64_t>(value);
}
#else
using Int128 = PortableInt128;
#endif

constexpr std::uint64_t HighWord(PortableInt128 value) {
    return value.high();
}
constexpr std::uint64_t LowWord(PortableInt128 value) {
    return value.low();
}

}  // namespace parabel
