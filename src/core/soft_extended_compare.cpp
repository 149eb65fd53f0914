// Comparisons of SoftExtended values beyond the common case.
#include "soft_extended.h"
#include "soft_extended_unpack.h"

namespace parabel::soft {

namespace {

bool IsZeroValue(SoftExtended a) {
    return a.exponent() == 0 && a.significand() == 0;
}

// Exponent 0 scales like exponent 1, and every other supported pattern has
// its integer bit set, so exponent then significand is the order of the
// magnitudes.
Order MagnitudeOrder(SoftExtended a, SoftExtended b) {
    const int aExponent = a.exponent() == 0 ? 1 : a.exponent();
    const int bExponent = b.exponent() == 0 ? 1 : b.exponent();
    if (aExponent != bExponent) {
        return aExponent < bExponent ? Order::kLess : Order::kGreater;
    }
    if (a.significand() != b.significand()) {
        return a.significand() < b.significand() ? Order::kLess : Order::kGreater;
    }
    return Order::kEqual;
}

}  // namespace

Order CompareSpecial(SoftExtended a, SoftExtended b) {
    if (IsNan(a) || IsNan(b)) {
        return Order::kUnordered;
    }
    if (IsZeroValue(a) && IsZeroValue(b)) {
        return Order::kEqual;
    }
    if (a.negative() != b.negative()) {
        return a.negative() ? Order::kLess : Order::kGreater;
    }
    const Order order = MagnitudeOrder(a, b);
    if (!a.negative() || order == Order::kEqual) {
        return order;
    }
    return order == Order::kLess ? Order::kGreater : Order::kLess;
}

}  // namespace parabel::soft
