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
    switch (x.kind) {
        case Kind::kInvalid:
            return soft::kIndefinite;
        case Kind::kNaN:
            return soft::Quieted(a);
        case Kind::kZero:
        case Kind::kInfinity:
            return a;
        case Kind::kFinite:
            break;
    }
    if (x.exponent >= 63) {
        return a;  // no fraction bits
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
