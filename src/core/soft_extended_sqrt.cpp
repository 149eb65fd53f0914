// The square root of a SoftExtended value beyond the common case.
#include "soft_extended.h"
#include "soft_extended_unpack.h"

namespace parabel::soft {

SoftExtended SquareRootSpecial(SoftExtended a) {
    const Unpacked x = Unpack(a);
    SoftExtended result;
    if (NonNumberResult(a, x.kind, result)) {
        return result;
    }
    // The roots of -0 and +0 are themselves, and so is that of +infinity.
    if (x.kind == Kind::kZero || (x.kind == Kind::kInfinity && !x.negative)) {
        return a;
    }
    if (x.negative) {
        return kIndefinite;
    }
    return SquareRootSignificand(x.exponent, x.significand);
}

}  // namespace parabel::soft
