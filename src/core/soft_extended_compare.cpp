// Comparisons of SoftExtended values.
#include "soft_extended.h"
#include "soft_extended_unpack.h"

namespace parabel {

namespace {

using soft::Uint128;

// A key that orders magnitudes: exponent 0 scales like exponent 1, and every
// other supported pattern has its integer bit set, so exponent then
// significand is the order of the values.
Uint128 MagnitudeKey(SoftExtended a) {
    const std::uint16_t exponent = a.exponent() == 0 ? 1 : a.exponent();
    return (Uint128{exponent} << 64) | a.significand();
}

bool IsZero(SoftExtended a) {
    return a.exponent() == 0 && a.significand() == 0;
}

// -1, 0 or 1 as a is below, equal to or above b; neither is a NaN.
int Compare(SoftExtended a, SoftExtended b) {
    if (IsZero(a) && IsZero(b)) {
        return 0;
    }
    if (a.negative() != b.negative()) {
        return a.negative() ? -1 : 1;
    }
    const Uint128 x = MagnitudeKey(a);
    const Uint128 y = MagnitudeKey(b);
    const int magnitudeOrder = x < y ? -1 : (x > y ? 1 : 0);
    return a.negative() ? -magnitudeOrder : magnitudeOrder;
}

}  // namespace

bool operator==(SoftExtended a, SoftExtended b) {
    return !IsNan(a) && !IsNan(b) && Compare(a, b) == 0;
}

bool operator<(SoftExtended a, SoftExtended b) {
    return !IsNan(a) && !IsNan(b) && Compare(a, b) < 0;
}

bool operator<=(SoftExtended a, SoftExtended b) {
    return !IsNan(a) && !IsNan(b) && Compare(a, b) <= 0;
}

}  // namespace parabel
