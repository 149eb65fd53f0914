// Addition and subtraction of SoftExtended values beyond the common case.
#include "soft_extended.h"
#include "soft_extended_unpack.h"

namespace parabel::soft {

SoftExtended AddSpecial(SoftExtended a, SoftExtended b, bool subtract) {
    const Unpacked x = Unpack(a);
    Unpacked y = Unpack(b);
    SoftExtended result;
    if (NonNumberResult(a, x.kind, b, y.kind, result)) {
        return result;  // a NaN operand keeps its own sign either way
    }
    y.negative = y.negative != subtract;
    if (x.kind == Kind::kInfinity || y.kind == Kind::kInfinity) {
        if (x.kind == Kind::kInfinity && y.kind == Kind::kInfinity && x.negative != y.negative) {
            return kIndefinite;
        }
        return Infinity(x.kind == Kind::kInfinity ? x.negative : y.negative);
    }
    if (x.kind == Kind::kZero || y.kind == Kind::kZero) {
        if (x.kind == Kind::kZero && y.kind == Kind::kZero) {
            return Zero(x.negative && y.negative);
        }
        // The other operand, normalised (a pseudo-denormal becomes normal).
        const Unpacked& other = x.kind == Kind::kZero ? y : x;
        return RoundPack(other.negative, other.exponent, other.significand, 0);
    }
    const bool sameSigns = x.negative == y.negative;
    if (x.exponent > y.exponent || (x.exponent == y.exponent && x.significand >= y.significand)) {
        return AddMagnitudes(x.negative, x.exponent, x.significand, y.exponent, y.significand,
                             sameSigns);
    }
    return AddMagnitudes(y.negative, y.exponent, y.significand, x.exponent, x.significand,
                         sameSigns);
}

}  // namespace parabel::soft
