// Addition and subtraction of SoftExtended values.
#include <utility>

#include "soft_extended.h"
#include "soft_extended_round.h"
#include "soft_extended_unpack.h"

namespace parabel {

namespace {

using soft::Kind;
using soft::Uint128;

// The sum of two finite non-zero values, `b` with its sign already as added.
SoftExtended AddFinite(soft::Unpacked a, soft::Unpacked b) {
    if (a.exponent < b.exponent || (a.exponent == b.exponent && a.significand < b.significand)) {
        std::swap(a, b);  // a has the larger magnitude, and gives the sign
    }
    // Bits 126 .. 63 hold a's significand, bit 127 takes a carry; b is
    // aligned below it, the bits beyond bit 0 kept as a sticky bit.
    const Uint128 larger = Uint128{a.significand} << 63;
    const Uint128 smaller =
        soft::ShiftRightSticky(Uint128{b.significand} << 63, a.exponent - b.exponent);
    if (a.negative == b.negative) {
        return soft::RoundPackExtended(a.negative, a.exponent + 1, larger + smaller);
    }
    const Uint128 difference = larger - smaller;
    if (difference == 0) {
        return soft::Zero(false);  // x - x is +0 when rounding to nearest
    }
    return soft::RoundPackExtended(a.negative, a.exponent + 1, difference);
}

// a + b, with b's sign flipped first when `subtract`; a NaN operand keeps its
// own sign either way.
SoftExtended AddOrSubtract(SoftExtended a, SoftExtended b, bool subtract) {
    const soft::Unpacked x = soft::Unpack(a);
    soft::Unpacked y = soft::Unpack(b);
    SoftExtended result;
    if (soft::NonNumberResult(a, x.kind, b, y.kind, result)) {
        return result;
    }
    y.negative = y.negative != subtract;
    if (x.kind == Kind::kInfinity || y.kind == Kind::kInfinity) {
        if (x.kind == Kind::kInfinity && y.kind == Kind::kInfinity && x.negative != y.negative) {
            return soft::kIndefinite;
        }
        return soft::Infinity(x.kind == Kind::kInfinity ? x.negative : y.negative);
    }
    if (x.kind == Kind::kZero || y.kind == Kind::kZero) {
        if (x.kind == Kind::kZero && y.kind == Kind::kZero) {
            return soft::Zero(x.negative && y.negative);
        }
        // The other operand, normalised (a pseudo-denormal becomes normal).
        const soft::Unpacked& other = x.kind == Kind::kZero ? y : x;
        return soft::RoundPackExtended(other.negative, other.exponent + 64, other.significand);
    }
    return AddFinite(x, y);
}

}  // namespace

SoftExtended operator+(SoftExtended a, SoftExtended b) {
    return AddOrSubtract(a, b, false);
}

SoftExtended operator-(SoftExtended a, SoftExtended b) {
    return AddOrSubtract(a, b, true);
}

}  // namespace parabel
