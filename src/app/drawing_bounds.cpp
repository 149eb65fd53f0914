#include "drawing_bounds.h"

#include <cmath>

namespace parabel {

namespace {

// 2^62: half the signed 64-bit range, leaving room for every rounding.
constexpr Extended kSafeMagnitude = 4611686018427387904.0L;

}  // namespace

bool PanelDrawingCannotFault(Extended a, Extended b, Extended c, double root1, double root2) {
    // Each product and sum below is finite or +inf (never NaN: the operands
    // are finite), and +inf fails the comparison, as it should.
    const Extended curveBound =
        2250.0L * std::fabs(a) + 150.0L * std::fabs(b) + 10.0L * std::fabs(c);
    const Extended labelBound = 10.0L * std::fmax(std::fabs(static_cast<Extended>(root1)),
                                                  std::fabs(static_cast<Extended>(root2)));
    return curveBound < kSafeMagnitude && labelBound < kSafeMagnitude;
}

}  // namespace parabel
