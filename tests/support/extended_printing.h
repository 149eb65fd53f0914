// Shows extended values in failing test messages by their bits as well as
// their value.
#pragma once

#include <cinttypes>
#include <cstdio>
#include <string>

#include "core/extended.h"

namespace parabel::testing {

inline std::string Describe(Extended value) {
    const ExtendedBits bits = ExtendedBits::Of(value);
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%La [%c %04X %016" PRIX64 "]", value,
                  bits.negative ? '-' : '+', static_cast<unsigned>(bits.exponent),
                  bits.significand);
    return buffer;
}

// Equal bit for bit (so -0 differs from 0).
inline bool SameBits(Extended a, Extended b) {
    return ExtendedBits::Of(a) == ExtendedBits::Of(b);
}

}  // namespace parabel::testing

#define EXPECT_SAME_EXTENDED(actual, expected)                                  \
    EXPECT_TRUE(::parabel::testing::SameBits((actual), (expected)))             \
        << "actual   " << ::parabel::testing::Describe(actual) << "\nexpected " \
        << ::parabel::testing::Describe(expected)
