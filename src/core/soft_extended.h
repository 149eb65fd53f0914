// The x87 80-bit extended format computed in portable C++: a 64-bit
// significand with an explicit integer bit and a sign with a 15-bit exponent
// (bias 16383). Every operation gives the bits that the x87 gives at its
// default settings (64-bit precision, round to nearest with ties to even,
// every exception masked), for any 80-bit pattern as operand, so results are
// the same on every processor. HardwareExtended has the same interface.
//
// The common case of each operation (operands and result normal and finite)
// is inline, in soft_extended_inline.h; every other case goes out of line.
#pragma once

#include <bit>
#include <cstdint>
#include <type_traits>

namespace parabel {

class SoftExtended {
  public:
    static constexpr int kBias = 16383;

    constexpr SoftExtended() = default;  // +0

    // An integer is exact, and so may stand wherever a value is wanted
    // (`Mul(a, 2)`, `value != 0`); a floating-point number may not, since
    // only some are exact: FromDouble says so.
    template <typename Integer>
        requires std::is_integral_v<Integer> && (!std::is_same_v<Integer, bool>) &&
                 (std::is_signed_v<Integer> || sizeof(Integer) < sizeof(std::int64_t))
    constexpr SoftExtended(Integer integer)  // NOLINT(google-explicit-constructor)
        : SoftExtended(FromInteger(integer)) {}
    SoftExtended(float) = delete;
    SoftExtended(double) = delete;
    SoftExtended(long double) = delete;

    // The value with these fields, any pattern: `exponent` is the biased
    // 15-bit field, `significand` includes the explicit integer bit 63.
    static constexpr SoftExtended FromFields(bool negative, std::uint16_t exponent,
                                             std::uint64_t significand) {
        SoftExtended value;
        value.significand_ = significand;
        value.signExponent_ =
            static_cast<std::uint16_t>((exponent & 0x7FFF) | (negative ? 0x8000 : 0));
        return value;
    }

    // Exact, as every 64-bit integer fits the significand.
    static constexpr SoftExtended FromInteger(std::int64_t integer) {
        if (integer == 0) {
            return SoftExtended();
        }
        const bool negative = integer < 0;
        const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(integer)
                                                 : static_cast<std::uint64_t>(integer);
        const int shift = std::countl_zero(magnitude);
        return FromFields(negative, static_cast<std::uint16_t>(kBias + 63 - shift),
                          magnitude << shift);
    }

    // Exact widening; a signalling NaN comes back quiet.
    static SoftExtended FromDouble(double value);

    constexpr bool negative() const { return (signExponent_ & 0x8000) != 0; }
    constexpr std::uint16_t exponent() const { return signExponent_ & 0x7FFF; }
    constexpr std::uint64_t significand() const { return significand_; }

    // Rounded to nearest, ties to even; beyond the largest double it is an
    // infinity, below the smallest normal double it is rounded once into the
    // denormal range.
    inline double ToDouble() const;
    // Truncated towards zero; a value outside the int64 range, an infinity or
    // a NaN gives the integer indefinite -2^63.
    inline std::int64_t ToInt64() const;

    friend inline SoftExtended operator+(SoftExtended a, SoftExtended b);
    friend inline SoftExtended operator-(SoftExtended a, SoftExtended b);
    friend inline SoftExtended operator*(SoftExtended a, SoftExtended b);
    friend inline SoftExtended operator/(SoftExtended a, SoftExtended b);

    // Sign changes never look at the rest of the pattern.
    constexpr SoftExtended operator-() const {
        return FromFields(!negative(), exponent(), significand_);
    }
    friend constexpr SoftExtended Abs(SoftExtended a) {
        return FromFields(false, a.exponent(), a.significand_);
    }

    friend inline SoftExtended SquareRoot(SoftExtended a);
    // The nearest integer, ties to even (as rint); the integer towards zero
    // (as trunc). Both keep the sign of a zero result.
    friend inline SoftExtended RoundToIntegral(SoftExtended a);
    friend inline SoftExtended Truncate(SoftExtended a);

    // IEEE comparisons: zeros of both signs are equal, and a NaN (or a
    // pattern the x87 refuses as an operand) is unordered with everything,
    // so every comparison but != is false.
    friend inline bool operator==(SoftExtended a, SoftExtended b);
    friend inline bool operator<(SoftExtended a, SoftExtended b);
    friend inline bool operator<=(SoftExtended a, SoftExtended b);
    friend bool operator!=(SoftExtended a, SoftExtended b) { return !(a == b); }
    friend bool operator>(SoftExtended a, SoftExtended b) { return b < a; }
    friend bool operator>=(SoftExtended a, SoftExtended b) { return b <= a; }

    // Unordered with itself: true NaNs, and the unnormals, pseudo-infinities
    // and pseudo-NaNs that the x87 refuses as operands.
    friend constexpr bool IsNan(SoftExtended a) {
        return a.exponent() == 0x7FFF ? a.significand_ != kIntegerBit : !a.IsSupportedFinite();
    }
    friend constexpr bool IsInf(SoftExtended a) {
        return a.exponent() == 0x7FFF && a.significand_ == kIntegerBit;
    }
    friend constexpr bool IsFinite(SoftExtended a) {
        return a.exponent() != 0x7FFF && a.IsSupportedFinite();
    }
    friend constexpr bool SignBit(SoftExtended a) { return a.negative(); }

    // Exponent field 1 .. 0x7FFE with the integer bit set: the common case,
    // which every operation takes inline.
    constexpr bool IsNormal() const {
        return static_cast<std::uint16_t>(exponent() - 1) < 0x7FFE &&
               (significand_ & kIntegerBit) != 0;
    }

  private:
    static constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;

    // Zero, denormal and pseudo-denormal patterns (exponent 0), and normal
    // ones: the integer bit is set exactly when the exponent is not 0.
    constexpr bool IsSupportedFinite() const {
        return exponent() == 0 || (significand_ & kIntegerBit) != 0;
    }

    std::uint64_t significand_ = 0;
    std::uint16_t signExponent_ = 0;
};

}  // namespace parabel

#include "soft_extended_inline.h"  // IWYU pragma: export
