// Multiplication of SoftExtended values.
#include "soft_extended.h"
#include "soft_extended_round.h"
#include "soft_extended_unpack.h"

namespace parabel {

namespace {
using soft::Kind;
using soft::Uint128;
}  // namespace

SoftExtended operator*(SoftExtended a, SoftExtended b) {
    const soft::Unpacked x = soft::Unpack(a);
    const soft::Unpacked y = soft::Unpack(b);
    SoftExtended result;
    if (soft::NonNumberResult(a, x.kind, b, y.kind, result)) {
        return result;
    }
    const bool negative = x.negative != y.negative;
    if (x.kind == Kind::kInfinity || y.kind == Kind::kInfinity) {
        if (x.kind == Kind::kZero || y.kind == Kind::kZero) {
            return soft::kIndefinite;  // 0 * infinity
        }
        return soft::Infinity(negative);
    }
    if (x.kind == Kind::kZero || y.kind == Kind::kZero) {
        return soft::Zero(negative);
    }
    // (a * 2^(ea-63)) * (b * 2^(eb-63)) = a*b * 2^(ea+eb+1 - 127)
    const Uint128 product = Uint128{x.significand} * y.significand;
    return soft::RoundPackExtended(negative, x.exponent + y.exponent + 1, product);
}

}  // namespace parabel
