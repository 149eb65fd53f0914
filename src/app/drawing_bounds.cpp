#include "drawing_bounds.h"

#include <cstdint>

namespace parabel {

namespace {

// 2^62: half the signed 64-bit range, leaving room for every rounding.
constexpr Extended kSafeMagnitude = std::int64_t{1} << 62;

}  // namespace

bool PanelDrawingCannotFault(Extended a, Extended b, Extended c, double root1, double root2) {
    // Each product and sum below is finite or +inf (never NaN: the operands
    // are finite), and +inf fails the comparison, as it should.
    const Extended curveBound =
        Extended(2250) * Abs(a) + Extended(150) * Abs(b) + Extended(10) * Abs(c);
    const Extended label1 = Abs(Extended::FromDouble(root1));
    const Extended label2 = Abs(Extended::FromDouble(root2));
    const Extended labelBound = Extended(10) * (label1 > label2 ? label1 : label2);
    return curveBound < kSafeMagnitude && labelBound < kSafeMagnitude;
}

}  // namespace parabel
