// Shows extended values in failing test messages by their bits as well as
// their value.
#pragma once

#include <cinttypes>
#include <cstdio>
#include <string>

#include "core/decimal_separator.h"
#include "core/extended.h"
#include "core/real_to_text.h"

namespace parabel::testing {

inline std::string Describe(Extended value) {
    const ExtendedBits bits = ExtendedBits::Of(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " [%c %04X %016" PRIX64 "]", bits.negative ? '-' : '+',
                  static_cast<unsigned>(bits.exponent), bits.significand);
    const char separator = DecimalSeparator();
    SetDecimalSeparator('.');
    const std::string text = RealToText(value);
    SetDecimalSeparator(separator);
    return text + buffer;
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
