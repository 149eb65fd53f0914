#include "core/round.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/errors.h"
#include "support/extended_printing.h"

namespace parabel {
namespace {

TEST(RoundToInteger, TiesGoToEven) {
    struct Row {
        Extended value;
        std::int64_t expected;
    };
    const Row rows[] = {
        {0.5L, 0},
        {1.5L, 2},
        {2.5L, 2},
        {3.5L, 4},
        {-2.5L, -2},
        {-0.5L, 0},
        {-1.5L, -2},
        {0.49L, 0},
        {-7.6L, -8},
        {0, 0},
        {-0.0L, 0},
        {2147483647.0L, 2147483647},
        {-0x1p63L, INT64_MIN},
        {0x1p63L - 1, INT64_MAX},
        {0x1p63L - 1.5L, INT64_MAX - 1},
        {-0x1p63L - 0.5L, INT64_MIN},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Describe(row.value));
        EXPECT_EQ(RoundToInteger(row.value), row.expected);
    }
}

TEST(RoundToInteger, OutsideTheSigned64BitRangeIsAnInvalidOperation) {
    const Extended rows[] = {0x1p63L, 0x1p63L - 0.5L, -0x1p63L - 1, 1e19L, -1e30L, 1e4000L};
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
