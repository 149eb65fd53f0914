#include "round.h"

#include "errors.h"

namespace parabel {

std::int64_t RoundToInteger(Extended value) {
    // To nearest, ties to even: the rounding the program always runs with.
    const Extended rounded = RoundToIntegral(value);
    constexpr Extended kTwoTo63 = ExtendedFromFields(false, 0x3FFF + 63, 0x8000000000000000);
    if (!(rounded >= -kTwoTo63 && rounded < kTwoTo63)) {
        throw InvalidOperation();
    }
    return rounded.ToInt64();
}

}  // namespace parabel
