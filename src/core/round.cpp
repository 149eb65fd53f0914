#include "round.h"

#include <cmath>

#include "errors.h"

namespace parabel {

std::int64_t RoundToInteger(Extended value) {
    // rint rounds by the current rounding mode, which the program never
    // changes from to-nearest, ties to even.
    const Extended rounded = std::rint(value);
    constexpr Extended kTwoTo63 = 0x1p63L;
    if (!(rounded >= -kTwoTo63 && rounded < kTwoTo63)) {
        throw InvalidOperation();
    }
    return static_cast<std::int64_t>(rounded);
}

}  // namespace parabel
