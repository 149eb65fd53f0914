#include "core/pow10.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "support/extended_printing.h"

namespace parabel {
namespace {

// glibc's strtold is correctly rounded: an independent route to the nearest
// extended value of each power.
Extended NearestPowerOfTen(int exponent) {
    const std::string text = "1e" + std::to_string(exponent);
    return std::strtold(text.c_str(), nullptr);
}

TEST(PowersOfTen, EveryTableEntryIsTheNearestExtendedValue) {
    for (int i = 0; i < 32; ++i) {
        SCOPED_TRACE("10^" + std::to_string(i));
        EXPECT_SAME_EXTENDED(kPow10Small[i], NearestPowerOfTen(i));
    }
    for (int j = 1; j < 16; ++j) {
        SCOPED_TRACE("10^" + std::to_string(32 * j));
        EXPECT_SAME_EXTENDED(kPow10Medium[j], NearestPowerOfTen(32 * j));
    }
    for (int k = 1; k < 10; ++k) {
        SCOPED_TRACE("10^" + std::to_string(512 * k));
        EXPECT_SAME_EXTENDED(kPow10Large[k], NearestPowerOfTen(512 * k));
    }
}

TEST(PowersOfTen, PowersUpTo27AreExact) {
    // An exact power of ten 10^i = 5^i * 2^i needs the bits of 5^i; 5^27 < 2^64.
    Extended exact = 1;
    for (int i = 0; i <= 27; ++i) {
        EXPECT_SAME_EXTENDED(kPow10Small[i], exact);
        exact *= 10;
    }
}

TEST(PowerOfTenScaling, EdgesOfTheExponentRange) {
    constexpr Extended kInfinity = std::numeric_limits<Extended>::infinity();
    struct Row {
        Extended v;
        int n;
        Extended expected;
    };
    const Row rows[] = {
        {7.25L, 0, 7.25L},        {1, 5120, kInfinity},
        {0, 5120, kInfinity},     {1, 9999, kInfinity},
        {1e300L, -5120, 0},       {1, -9999, 0},
        {3, 5, 300000},           {300000, -5, 3},
        {1, 27, kPow10Small[27]}, {1, 32, kPow10Medium[1]},
        {1, 512, kPow10Large[1]}, {1, 4999, kInfinity},  // overflow of the last step
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("v=" + testing::Describe(row.v) + " n=" + std::to_string(row.n));
        EXPECT_SAME_EXTENDED(ScaleByPowerOfTen(row.v, row.n), row.expected);
    }
}

TEST(PowerOfTenScaling, UsesAtMostThreeRoundedSteps) {
    // 10^1000 = 10^(1000 mod 32) * 10^(32 * ((1000 div 32) mod 16)) * 10^512:
    // three rounded products, which land one unit in the last place above
    // the nearest value.
    const Extended nearest = NearestPowerOfTen(1000);
    const Extended scaled = ScaleByPowerOfTen(1, 1000);
    EXPECT_SAME_EXTENDED(scaled,
                         std::nextafter(nearest, std::numeric_limits<Extended>::infinity()));
    // 10^500 happens to come out nearest.
    EXPECT_SAME_EXTENDED(ScaleByPowerOfTen(1, 500), NearestPowerOfTen(500));
}

}  // namespace
}  // namespace parabel
