// SoftExtended's operations where they are common, inline: both operands
// normal and finite, and a result in the normal range. Each tests that
// first, hands every other case (zeros, denormals, infinities, NaNs, the
// patterns the x87 refuses, results beyond the normal range) to an
// out-of-line function, and ends in RoundPack, as the out-of-line paths do.
// Included by soft_extended.h.
#pragma once

#include <bit>  // std::countl_zero
#include <cassert>
#include <cmath>
#include <cstdint>

#include "bit_cast.h"
#include "soft_extended.h"
#include "soft_extended_wide.h"

namespace parabel {

namespace soft {

constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kHalfGuard = kIntegerBit;  // a guard word worth half a unit
constexpr std::int32_t kBias = SoftExtended::kBias;
constexpr std::int32_t kMaxExponent = 0x7FFE;

// -1, 0, 1 as a is below, equal to or above b; 2 when they are unordered.
enum class Order : std::int8_t { kLess = -1, kEqual = 0, kGreater = 1, kUnordered = 2 };

// The out-of-line cases (soft_extended_*.cpp).
SoftExtended RoundPackOutside(bool negative, std::int32_t exponent, std::uint64_t significand,
                              std::uint64_t guard);
SoftExtended AddSpecial(SoftExtended a, SoftExtended b, bool subtract);
SoftExtended MultiplySpecial(SoftExtended a, SoftExtended b);
SoftExtended DivideSpecial(SoftExtended a, SoftExtended b);
SoftExtended DivideOutside(bool negative, std::int32_t exponent, std::uint64_t quotient,
                           std::uint64_t remainder, std::uint64_t divisor);
SoftExtended SquareRootSpecial(SoftExtended a);
SoftExtended ToIntegralSpecial(SoftExtended a, bool nearest);
Order CompareSpecial(SoftExtended a, SoftExtended b);
double ToDoubleSpecial(SoftExtended a);
std::int64_t ToInt64Special(SoftExtended a);

// Rounds (significand + guard / 2^64) x 2^(exponent - kBias - 63) to the
// nearest value, ties to even; bit 63 of the significand is set. The guard
// word holds the bits below the significand, bit 63 worth half a unit. A
// caller that dropped non-zero bits below the guard word sets its bit 0,
// which then stands for all of them: the value is no tie and lies on the
// same side of one. The one rounding routine: out of the normal range (the
// denormals, overflow) it goes on out of line.
inline SoftExtended RoundPack(bool negative, std::int32_t exponent, std::uint64_t significand,
                              std::uint64_t guard) {
    if (static_cast<std::uint32_t>(exponent - 1) >= kMaxExponent) [[unlikely]] {
        return RoundPackOutside(negative, exponent, significand, guard);
    }
    // Up when the guard is above half a unit, or at half with the last bit
    // odd. Which way a value rounds is as good as random, so the sum is
    // formed without a branch a processor would mispredict half the time.
    const std::uint64_t up = guard > kHalfGuard - (significand & 1) ? 1 : 0;
    const std::uint64_t rounded = significand + up;
    // A carry out of the top, 2^64, is the integer bit of the next exponent;
    // 0x7FFF with the integer bit alone is infinity.
    const std::uint64_t carried = rounded < significand ? 1 : 0;
    return SoftExtended::FromFields(negative,
                                    static_cast<std::uint16_t>(exponent + (carried != 0 ? 1 : 0)),
                                    rounded | carried << 63);
}

// A significand moved `distance` bits right: the word beside the other
// operand's significand, and the guard word below it with lost bits folded
// into bit 0.
inline Wide Aligned(std::uint64_t significand, std::uint32_t distance) {
    if (distance == 0) {
        return {significand, 0};
    }
    if (distance < 64) {
        return {significand >> distance, significand << (64 - distance)};
    }
    if (distance == 64) {
        return {0, significand};
    }
    if (distance < 128) {
        const bool lost = (significand << (128 - distance)) != 0;
        return {0, (significand >> (distance - 64)) | (lost ? 1 : 0)};
    }
    return {0, 1};
}

// |a| + |b|, or |a| - |b| when not `sameSigns`, for finite non-zero values
// with normalised significands (exponents below 1 for denormals) and
// |a| >= |b|; the result has a's sign, `negative`.
inline SoftExtended AddMagnitudes(bool negative, std::int32_t aExponent, std::uint64_t a,
                                  std::int32_t bExponent, std::uint64_t b, bool sameSigns) {
    const Wide smaller = Aligned(b, static_cast<std::uint32_t>(aExponent - bExponent));
    if (sameSigns) {
        const std::uint64_t sum = a + smaller.high;
        if (sum >= a) {
            return RoundPack(negative, aExponent, sum, smaller.low);
        }
        // 2^64 + sum, halved; the bit shifted out of the guard kept sticky.
        return RoundPack(negative, aExponent + 1, kIntegerBit | sum >> 1,
                         sum << 63 | smaller.low >> 1 | (smaller.low & 1));
    }
    const Wide difference = Subtract({a, 0}, smaller);
    if (difference.high >= kIntegerBit) {
        return RoundPack(negative, aExponent, difference.high, difference.low);
    }
    // Cancellation. Beyond a distance of 1 at most one bit goes, and the
    // guard word is exact whenever more do.
    if (difference.high != 0) {
        const int shift = std::countl_zero(difference.high);
        return RoundPack(negative, aExponent - shift,
                         difference.high << shift | difference.low >> (64 - shift),
                         difference.low << shift);
    }
    if (difference.low == 0) {
        return SoftExtended::FromFields(false, 0, 0);  // x - x is +0 when rounding to nearest
    }
    const int shift = std::countl_zero(difference.low);
    return RoundPack(negative, aExponent - 64 - shift, difference.low << shift, 0);
}

// A zero of either sign: of the cases out of the common one, the one that
// a calculation meets most (a curve through x = 0, a coefficient 0), which
// the operations also take inline.
constexpr bool IsZeroPattern(SoftExtended a) {
    return a.exponent() == 0 && a.significand() == 0;
}

// a + b, or a - b when `subtract`.
inline SoftExtended AddOrSubtract(SoftExtended a, SoftExtended b, bool subtract) {
    if (!a.IsNormal() || !b.IsNormal()) [[unlikely]] {
        // A normal value and a zero: the normal value, exactly.
        if (a.IsNormal() && IsZeroPattern(b)) {
            return a;
        }
        if (b.IsNormal() && IsZeroPattern(a)) {
            return subtract ? -b : b;
        }
        return AddSpecial(a, b, subtract);
    }
    const bool bNegative = b.negative() != subtract;
    const bool sameSigns = a.negative() == bNegative;
    if (a.exponent() > b.exponent() ||
        (a.exponent() == b.exponent() && a.significand() >= b.significand())) {
        return AddMagnitudes(a.negative(), a.exponent(), a.significand(), b.exponent(),
                             b.significand(), sameSigns);
    }
    return AddMagnitudes(bNegative, b.exponent(), b.significand(), a.exponent(), a.significand(),
                         sameSigns);
}

// The product of finite non-zero values with normalised significands.
inline SoftExtended MultiplySignificands(bool negative, std::int32_t aExponent, std::uint64_t a,
                                         std::int32_t bExponent, std::uint64_t b) {
    // a*b lies in [2^126, 2^128); with bit 127 set its high word is the
    // significand of 2^(aExponent + bExponent - kBias + 1).
    // Otherwise, one place further left; `low` shifted without a branch, as
    // the top bit is set about as often as not.
    const Wide product = Multiply(a, b);
    const std::uint64_t shift = 1 - (product.high >> 63);
    const std::int32_t exponent =
        aExponent + bExponent - kBias + 1 - static_cast<std::int32_t>(shift);
    return RoundPack(negative, exponent, product.high << shift | (product.low >> 63 & shift),
                     product.low << shift);
}

// An estimate between 2^62 and 2^64 as a 64-bit word, beyond the largest
// word taken as it. Subtracting 2^63 from such a double is exact, and the
// difference converts as a signed integer, which every target has.
inline std::uint64_t EstimateToWord(double estimate) {
    constexpr double kBelow2To64 = 0x1.fffffffffffffp63;
    const double kept = estimate < kBelow2To64 ? estimate : kBelow2To64;
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(kept - 0x1p63)) + kIntegerBit;
}

struct WideQuotient {
    std::uint64_t quotient;
    std::uint64_t remainder;
};

// floor(n / d) and n mod d, for 2^63 <= d and d x 2^63 <= n < d x 2^64. A
// double reciprocal of d gives the quotient to about 50 bits and then its
// exact remainder's quotient to within one, and the exact remainder decides
// the last steps, so the result does not depend on how the target rounds
// doubles.
inline WideQuotient DivideWide(Wide n, std::uint64_t d) {
    const double reciprocal = 1.0 / static_cast<double>(static_cast<std::int64_t>(d >> 11));
    std::uint64_t quotient = EstimateToWord(
        static_cast<double>(static_cast<std::int64_t>(n.high >> 11)) * reciprocal * 0x1p64);
    Wide remainder = Subtract(n, Multiply(quotient, d));  // below 2^16 d in magnitude
    // The remainder's quotient e = remainder / d, below 2^16 in magnitude, is
    // estimated to far better than one unit: the doubles err by less than
    // 2^-49 of e, and the 11 low bits left out are less than 2^-52 of d. The
    // step is that estimate truncated towards zero, so e - step lies between
    // -2 and 2 and the quotient is now at most two units above the true one,
    // or one unit below it: two corrections always suffice.
    const auto step =
        static_cast<std::int64_t>(ApproximateSigned(remainder) * reciprocal * 0x1p-11);
    quotient += static_cast<std::uint64_t>(step);  // modulo 2^64, as the result fits
    remainder = Subtract(remainder, MultiplySigned(d, step));
    constexpr int kMaxCorrections = 2;
    for (int correction = 0; correction < kMaxCorrections; ++correction) {
        if (IsNegative(remainder)) {
            --quotient;
            remainder = Add(remainder, {0, d});
        } else if (AtLeast(remainder, {0, d})) {
            ++quotient;
            remainder = Subtract(remainder, {0, d});
        }
    }
    assert(!IsNegative(remainder) && !AtLeast(remainder, {0, d}));
    return {quotient, remainder.low};
}

// The quotient of finite non-zero values with normalised significands.
inline SoftExtended DivideSignificands(bool negative, std::int32_t aExponent, std::uint64_t a,
                                       std::int32_t bExponent, std::uint64_t b) {
    // A quotient of a x 2^63 or a x 2^64 by b lies in [2^63, 2^64).
    std::int32_t exponent = aExponent - bExponent + kBias;
    Wide dividend{a >> 1, a << 63};
    if (a < b) {
        dividend = {a, 0};
        --exponent;
    }
    const WideQuotient division = DivideWide(dividend, b);
    if (static_cast<std::uint32_t>(exponent - 1) >= kMaxExponent) [[unlikely]] {
        return DivideOutside(negative, exponent, division.quotient, division.remainder, b);
    }
    // The remainder against half the divisor is all the rounding needs here.
    const std::uint64_t r = division.remainder;
    const std::uint64_t guard =
        r == 0 ? 0 : (r > b - r ? kHalfGuard | 1 : (r == b - r ? kHalfGuard : 1));
    return RoundPack(negative, exponent, division.quotient, guard);
}

// The root of a positive finite value with a normalised significand.
inline SoftExtended SquareRootSignificand(std::int32_t exponent, std::uint64_t significand) {
    // The radicand n, significand x 2^64 or x 2^63 so that the power left is
    // even, lies in [2^126, 2^128): its root in [2^63, 2^64).
    const std::int32_t power = exponent - kBias;
    const Wide n =
        (power & 1) != 0 ? Wide{significand, 0} : Wide{significand >> 1, significand << 63};
    // The double root to about 50 bits, one Newton step from the exact
    // remainder to within one, then exact steps.
    const double estimate =
        std::sqrt(static_cast<double>(static_cast<std::int64_t>(n.high >> 12))) * 0x1p38;
    std::uint64_t root = EstimateToWord(estimate);
    const auto step = static_cast<std::int64_t>(
        ApproximateSigned(Subtract(n, Multiply(root, root))) / estimate * 0.5);
    const std::uint64_t stepped = root + static_cast<std::uint64_t>(step);
    root = step > 0 && stepped < root ? ~std::uint64_t{0} : stepped;  // the root never passes it
    Wide remainder = Subtract(n, Multiply(root, root));
    while (IsNegative(remainder)) {  // n - (root - 1)^2 = remainder + 2 root - 1
        remainder = Add(remainder, Subtract({root >> 63, root << 1}, {0, 1}));
        --root;
    }
    // (root + 1)^2 = root^2 + 2 root + 1
    for (Wide next{root >> 63, root << 1 | 1}; AtLeast(remainder, next);
         next = {root >> 63, root << 1 | 1}) {
        remainder = Subtract(remainder, next);
        ++root;
    }
    // The root lies above root + 1/2 exactly when the remainder exceeds the
    // root (an exact half is impossible).
    const bool aboveHalf = remainder.high != 0 || remainder.low > root;
    const std::uint64_t guard = aboveHalf ? kHalfGuard | 1 : (IsZero(remainder) ? 0 : 1);
    return RoundPack(false, kBias + (power >> 1), root, guard);
}

// The integral value to nearest (ties to even), or towards zero.
inline SoftExtended ToIntegral(SoftExtended a, bool nearest) {
    if (!a.IsNormal()) [[unlikely]] {
        return ToIntegralSpecial(a, nearest);
    }
    const int power = a.exponent() - kBias;
    if (power >= 63) {
        return a;  // no fraction bits
    }
    if (power < 0) {
        // Below 1: only a value above one half rounds (to nearest) to 1.
        const bool one = nearest && power == -1 && a.significand() > kIntegerBit;
        return one ? SoftExtended::FromFields(a.negative(), kBias, kIntegerBit)
                   : SoftExtended::FromFields(a.negative(), 0, 0);
    }
    const int shift = 63 - power;
    std::uint64_t kept = a.significand() >> shift;
    if (nearest) {
        // Up above half, or at half to even; added without a branch, as
        // RoundPack does.
        const std::uint64_t rest = a.significand() << (64 - shift);
        kept += rest > kHalfGuard - (kept & 1) ? 1 : 0;
        if ((kept >> (64 - shift)) != 0) {  // up to the next power of two
            return SoftExtended::FromFields(
                a.negative(), static_cast<std::uint16_t>(a.exponent() + 1), kIntegerBit);
        }
    }
    return SoftExtended::FromFields(a.negative(), a.exponent(), kept << shift);
}

// |a| < |b| for normal values.
constexpr bool MagnitudeBelow(SoftExtended a, SoftExtended b) {
    return a.exponent() != b.exponent() ? a.exponent() < b.exponent()
                                        : a.significand() < b.significand();
}

}  // namespace soft

inline SoftExtended operator+(SoftExtended a, SoftExtended b) {
    return soft::AddOrSubtract(a, b, false);
}

// A NaN operand keeps its own sign.
inline SoftExtended operator-(SoftExtended a, SoftExtended b) {
    return soft::AddOrSubtract(a, b, true);
}

inline SoftExtended operator*(SoftExtended a, SoftExtended b) {
    if (!a.IsNormal() || !b.IsNormal()) [[unlikely]] {
        // A normal value times a zero: a zero with the product's sign.
        if ((a.IsNormal() && soft::IsZeroPattern(b)) || (b.IsNormal() && soft::IsZeroPattern(a))) {
            return SoftExtended::FromFields(a.negative() != b.negative(), 0, 0);
        }
        return soft::MultiplySpecial(a, b);
    }
    return soft::MultiplySignificands(a.negative() != b.negative(), a.exponent(), a.significand(),
                                      b.exponent(), b.significand());
}

inline SoftExtended operator/(SoftExtended a, SoftExtended b) {
    if (!a.IsNormal() || !b.IsNormal()) [[unlikely]] {
        return soft::DivideSpecial(a, b);
    }
    return soft::DivideSignificands(a.negative() != b.negative(), a.exponent(), a.significand(),
                                    b.exponent(), b.significand());
}

inline SoftExtended SquareRoot(SoftExtended a) {
    if (!a.IsNormal() || a.negative()) [[unlikely]] {
        return soft::SquareRootSpecial(a);
    }
    return soft::SquareRootSignificand(a.exponent(), a.significand());
}

inline SoftExtended RoundToIntegral(SoftExtended a) {
    return soft::ToIntegral(a, true);
}

inline SoftExtended Truncate(SoftExtended a) {
    return soft::ToIntegral(a, false);
}

inline bool operator==(SoftExtended a, SoftExtended b) {
    if (a.IsNormal() && b.IsNormal()) {
        return a.significand() == b.significand() && a.exponent() == b.exponent() &&
               a.negative() == b.negative();
    }
    return soft::CompareSpecial(a, b) == soft::Order::kEqual;
}

inline bool operator<(SoftExtended a, SoftExtended b) {
    if (a.IsNormal() && b.IsNormal()) {
        if (a.negative() != b.negative()) {
            return a.negative();
        }
        return a.negative() ? soft::MagnitudeBelow(b, a) : soft::MagnitudeBelow(a, b);
    }
    return soft::CompareSpecial(a, b) == soft::Order::kLess;
}

inline bool operator<=(SoftExtended a, SoftExtended b) {
    if (a.IsNormal() && b.IsNormal()) {
        return !(b < a);
    }
    const soft::Order order = soft::CompareSpecial(a, b);
    return order == soft::Order::kLess || order == soft::Order::kEqual;
}

// Within the double's normal range the significand's top 53 bits are kept
// and the 11 below round them; a carry into the exponent field, up to
// infinity, is the right result.
inline double SoftExtended::ToDouble() const {
    const std::int32_t exponent = this->exponent() - kBias + 1023;
    if (!IsNormal() || static_cast<std::uint32_t>(exponent - 1) >= 0x7FE) [[unlikely]] {
        return soft::ToDoubleSpecial(*this);
    }
    const std::uint64_t kept = significand_ >> 11;
    const std::uint64_t rest = significand_ & 0x7FF;
    const bool up = rest > 0x400 || (rest == 0x400 && (kept & 1) != 0);
    const std::uint64_t magnitude =
        (static_cast<std::uint64_t>(exponent - 1) << 52) + kept + (up ? 1 : 0);
    return BitCast<double>(magnitude | (negative() ? kIntegerBit : 0));
}

inline std::int64_t SoftExtended::ToInt64() const {
    const int power = exponent() - kBias;
    if (!IsNormal() || power >= 63) [[unlikely]] {
        return soft::ToInt64Special(*this);
    }
    if (power < 0) {
        return 0;
    }
    const std::uint64_t magnitude = significand_ >> (63 - power);
    return static_cast<std::int64_t>(negative() ? 0 - magnitude : magnitude);
}

}  // namespace parabel
