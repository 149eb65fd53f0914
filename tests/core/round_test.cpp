#include "core/round.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/errors.h"
#include "support/extended_literals.h"
#include "support/extended_printing.h"

using parabel::testing::Hex;
using parabel::testing::X;

namespace parabel {
namespace {

TEST(RoundToInteger, TiesGoToEven) {
    struct Row {
        Extended value;
        std::int64_t expected;
    };
    const Row rows[] = {
        {X(0.5), 0},
        {X(1.5), 2},
        {X(2.5), 2},
        {X(3.5), 4},
        {-X(2.5), -2},
        {-X(0.5), 0},
        {-X(1.5), -2},
        {Hex("0xFAE147AE147AE148p-65") /* 0.49 */, 0},
        {-Hex("0xF333333333333333p-61") /* 7.6 */, -8},
        {0, 0},
        {-X(0.0), 0},
        {X(2147483647.0), 2147483647},
        {-Hex("0x1p63"), INT64_MIN},
        {Hex("0x1p63") - 1, INT64_MAX},
        {Hex("0x1p63") - X(1.5), INT64_MAX - 1},
        {-Hex("0x1p63") - X(0.5), INT64_MIN},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Describe(row.value));
        EXPECT_EQ(RoundToInteger(row.value), row.expected);
    }
}

TEST(RoundToInteger, OutsideTheSigned64BitRangeIsAnInvalidOperation) {
    const Extended rows[] = {Hex("0x1p63"),
                             Hex("0x1p63") - X(0.5),
                             -Hex("0x1p63") - 1,
                             X(1e19),
                             -Hex("0xC9F2C9CD04674EDFp+36") /* 1e30 */,
                             Hex("0xD1BA8323FE558C61p+13224") /* 1e4000 */};
    for (Extended value : rows) {
        SCOPED_TRACE(testing::Describe(value));
        try {
            RoundToInteger(value);
            ADD_FAILURE() << "no error";
        } catch (const InvalidOperation& error) {
            EXPECT_STREQ(error.what(), "Invalid floating point operation");
        }
    }
}

TEST(WrapToInt32, KeepsTheLow32BitsAsASignedValue) {
    EXPECT_EQ(WrapToInt32((1LL << 32) + 5), 5);
    EXPECT_EQ(WrapToInt32(1LL << 31), INT32_MIN);
    EXPECT_EQ(WrapToInt32(2160900000LL), -2134067296);
    EXPECT_EQ(WrapToInt32(-1), -1);
    EXPECT_EQ(WrapToInt32(INT64_MIN), 0);
    EXPECT_EQ(WrapToInt32(-2147483648LL), INT32_MIN);
}

}  // namespace
}  // namespace parabel
