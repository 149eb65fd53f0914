// Rounding SoftExtended values to integral values.
#include "soft_extended.h"
#include "soft_extended_round.h"
#include "soft_extended_unpack.h"

namespace parabel {

namespace {

using soft::Kind;
using soft::Uint128;

SoftExtended ToIntegral(SoftExtended a, soft::RoundingMode mode) {
    const soft::Unpacked x = soft::Unpack(a);
    SoftExtended result;
    if (soft::NonNumberResult(a, x.kind, result)) {
        return result;
    }
    // Zeros, infinities and values without fraction bits stay as they are.
    if (x.kind != Kind::kFinite || x.exponent >= 63) {
        return a;
    }
    const Uint128 integer = soft::ShiftRightRounded(x.significand, 63 - x.exponent, mode);
    if (integer == 0) {
        return soft::Zero(x.negative);
    }
    return soft::RoundPackExtended(x.negative, 127, integer);  // exact
}

}  // namespace

SoftExtended RoundToIntegral(SoftExtended a) {
    return ToIntegral(a, soft::RoundingMode::kNearestEven);
}

SoftExtended Truncate(SoftExtended a) {
    return ToIntegral(a, soft::RoundingMode::kTowardZero);
}

}  // namespace parabel
