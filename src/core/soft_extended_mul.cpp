// Multiplication of SoftExtended values beyond the common case.
#include "soft_extended.h"
#include "soft_extended_unpack.h"

namespace parabel::soft {

SoftExtended MultiplySpecial(SoftExtended a, SoftExtended b) {
    const Unpacked x = Unpack(a);
    const Unpacked y = Unpack(b);
    SoftExtended result;
    if (NonNumberResult(a, x.kind, b, y.kind, result)) {
        return result;
    }
    const bool negative = x.negative != y.negative;
    if (x.kind == Kind::kInfinity || y.kind == Kind::kInfinity) {
        if (x.kind == Kind::kZero || y.kind == Kind::kZero) {
            return kIndefinite;  // 0 * infinity
        }
        return Infinity(negative);
    }
    if (x.kind == Kind::kZero || y.kind == Kind::kZero) {
        return Zero(negative);
    }
    return MultiplySignificands(negative, x.exponent, x.significand, y.exponent, y.significand);
}

}  // namespace parabel::soft
