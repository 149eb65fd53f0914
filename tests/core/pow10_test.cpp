#include "core/pow10.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "support/extended_literals.h"
#include "support/extended_printing.h"

using parabel::testing::Hex;
using parabel::testing::NextUp;
using parabel::testing::X;
using parabel::testing::kInfinity;

namespace parabel {
namespace {

// An independent route to the nearest extended value of 10^n (n >= 0): the
// exact power as a big integer, its top 64 bits rounded to nearest, ties to
// even, by the bits below them.
Extended NearestPowerOfTen(int n) {
    std::vector<std::uint32_t> power{1};  // little-endian 32-bit words
    for (int i = 0; i < n; ++i) {
        std::uint64_t carry = 0;
        for (std::uint32_t& word : power) {
            const std::uint64_t product = std::uint64_t{word} * 10 + carry;
            word = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) {
            power.push_back(static_cast<std::uint32_t>(carry));
        }
    }
    const auto bit = [&](std::int64_t k) { return (power[k / 32] >> (k % 32)) & 1; };
    const std::int64_t top = static_cast<std::int64_t>(power.size()) * 32 - 1 -
                             std::countl_zero(power.back());
    std::uint64_t significand = 0;
    for (std::int64_t k = top; k > top - 64; --k) {
        significand = significand << 1 | (k >= 0 ? bit(k) : 0);
    }
    std::int64_t exponent = top;
    const std::int64_t half = top - 64;  // the first bit below the significand
    bool below = false;                  // any bit set below that one
    for (std::int64_t k = half - 1; k >= 0; --k) {
        below = below || bit(k) != 0;
    }
    if (half >= 0 && bit(half) != 0 && (below || (significand & 1) != 0)) {
        if (++significand == 0) {
            significand = std::uint64_t{1} << 63;
            ++exponent;
        }
    }
    return ExtendedFromFields(false, static_cast<std::uint16_t>(exponent + ExtendedBits::kBias),
                              significand);
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
        exact = exact * 10;
    }
}

TEST(PowerOfTenScaling, EdgesOfTheExponentRange) {
    struct Row {
        Extended v;
        int n;
        Extended expected;
    };
    const Row rows[] = {
        {X(7.25), 0, X(7.25)},
        {1, 5120, kInfinity},
        {0, 5120, kInfinity},
        {1, 9999, kInfinity},
        {Hex("0xBF21E44003ACDD2Dp+933") /* 1e300 */, -5120, 0},
        {1, -9999, 0},
        {3, 5, 300000},
        {300000, -5, 3},
        {1, 27, kPow10Small[27]},
        {1, 32, kPow10Medium[1]},
        {1, 512, kPow10Large[1]},
        {1, 4999, kInfinity},  // overflow of the last step
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
    EXPECT_SAME_EXTENDED(scaled, NextUp(nearest));
    // 10^500 happens to come out nearest.
    EXPECT_SAME_EXTENDED(ScaleByPowerOfTen(1, 500), NearestPowerOfTen(500));
}

}  // namespace
}  // namespace parabel
