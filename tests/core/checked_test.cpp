#include "core/checked.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <string>

#include "support/extended_printing.h"

namespace parabel {
namespace {

struct FaultRow {
    const char* name;
    std::function<void()> operation;
    const char* message;
};

TEST(CheckedArithmetic, FaultsRaiseTheirErrorWithItsMessage) {
    const FaultRow rows[] = {
        {"sum overflow", [] { Add(LDBL_MAX, LDBL_MAX); }, "Floating point overflow"},
        {"difference overflow", [] { Sub(-LDBL_MAX, LDBL_MAX); }, "Floating point overflow"},
        {"square of 1.1e2466", [] { Mul(1.1e2466L, 1.1e2466L); }, "Floating point overflow"},
        {"quotient overflow", [] { Div(1e4000L, 1e-4000L); }, "Floating point overflow"},
        {"non-zero by zero", [] { Div(1, 0); }, "Floating point division by zero"},
        {"negative by minus zero", [] { Div(-3, -0.0L); }, "Floating point division by zero"},
        {"zero by zero", [] { Div(0, 0); }, "Invalid floating point operation"},
        {"root of negative", [] { Sqrt(-1e-4940L); }, "Invalid floating point operation"},
        {"double overflow", [] { ToDouble(1e400L); }, "Floating point overflow"},
    };
    for (const FaultRow& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            row.operation();
            ADD_FAILURE() << "no error";
        } catch (const ArithmeticError& error) {
            EXPECT_STREQ(error.what(), row.message);
        }
    }
}

TEST(CheckedArithmetic, ErrorsHaveTheirOwnTypes) {
    EXPECT_THROW(Mul(1e3000L, 1e3000L), Overflow);
    EXPECT_THROW(Div(2, 0), DivisionByZero);
    EXPECT_THROW(Div(0, -0.0L), InvalidOperation);
    EXPECT_THROW(Sqrt(-4), InvalidOperation);
}

TEST(CheckedArithmetic, ResultsWithinRange) {
    EXPECT_EQ(Mul(1.09e2466L, 1.09e2466L) > 1e4932L, true);  // just below the limit
    EXPECT_SAME_EXTENDED(Sqrt(-0.0L), -0.0L);
    EXPECT_EQ(Sqrt(16), 4);
    EXPECT_SAME_EXTENDED(Mul(0x1p-16000L, 0x1p-445L), 0x1p-16445L);  // smallest denormal
    EXPECT_SAME_EXTENDED(Div(0, -5), -0.0L);
    // One rounding to the 64-bit significand, ties to even.
    EXPECT_SAME_EXTENDED(Add(1, 0x1p-64L), 1.0L);
    EXPECT_SAME_EXTENDED(Add(1, 0x1p-64L + 0x1p-70L), 1.0L + 0x1p-63L);
    EXPECT_SAME_EXTENDED(Sub(1.0L + 0x1p-62L, 0x1p-64L), 1.0L + 0x1p-62L);
}

TEST(CheckedArithmetic, NarrowingToDouble) {
    EXPECT_EQ(ToDouble(1e-400L), 0.0);
    EXPECT_EQ(ToDouble(0x1p-1074L), 0x1p-1074);  // smallest denormal double
    EXPECT_EQ(ToDouble(0x1p-1070L + 0x1p-1200L), 0x1p-1070);
    EXPECT_EQ(ToDouble(1.0L + 0x1p-53L), 1.0);  // tie to even
    EXPECT_EQ(ToDouble(1.0L + 0x1p-53L + 0x1p-60L), 1.0 + 0x1p-52);
    EXPECT_EQ(ToDouble(static_cast<Extended>(DBL_MAX)), DBL_MAX);
    // Rounds to DBL_MAX: below the midpoint between DBL_MAX and 2^1024.
    EXPECT_EQ(ToDouble(static_cast<Extended>(DBL_MAX) + 0x1p969L), DBL_MAX);
    // Rounds up to 2^1024: overflow.
    EXPECT_THROW(ToDouble(static_cast<Extended>(DBL_MAX) + 0x1p970L), Overflow);
}

}  // namespace
}  // namespace parabel
