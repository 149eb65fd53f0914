#include "core/checked.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <string>

#include "support/extended_literals.h"
#include "support/extended_printing.h"

using parabel::testing::Hex;
using parabel::testing::X;

namespace parabel {
namespace {

struct FaultRow {
    const char* name;
    std::function<void()> operation;
    const char* message;
};

TEST(CheckedArithmetic, FaultsRaiseTheirErrorWithItsMessage) {
    const FaultRow rows[] = {
        {"sum overflow", [] { Add(kLargestExtended, kLargestExtended); },
         "Floating point overflow"},
        {"difference overflow", [] { Sub(-kLargestExtended, kLargestExtended); },
         "Floating point overflow"},
        {"square of 1.1e2466",
         [] {
             Mul(Hex("0x8115F13D5DB093FBp+8129") /* 1.1e2466 */,
                 Hex("0x8115F13D5DB093FBp+8129") /* 1.1e2466 */);
         },
         "Floating point overflow"},
        {"quotient overflow",
         [] {
             Div(Hex("0xD1BA8323FE558C61p+13224") /* 1e4000 */,
                 Hex("0x9C3D73864F3805C0p-13351") /* 1e-4000 */);
         },
         "Floating point overflow"},
        {"non-zero by zero", [] { Div(1, 0); }, "Floating point division by zero"},
        {"negative by minus zero", [] { Div(-3, -X(0.0)); }, "Floating point division by zero"},
        {"zero by zero", [] { Div(0, 0); }, "Invalid floating point operation"},
        {"root of negative", [] { Sqrt(-Hex("0x663278E62p-16445") /* 1e-4940 */); },
         "Invalid floating point operation"},
        {"double overflow", [] { ToDouble(Hex("0xDA763FC8CB9FF9E6p+1265") /* 1e400 */); },
         "Floating point overflow"},
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
    EXPECT_THROW(Mul(Hex("0xDC724CD44411AF53p+9902") /* 1e3000 */,
                     Hex("0xDC724CD44411AF53p+9902") /* 1e3000 */),
                 Overflow);
    EXPECT_THROW(Div(2, 0), DivisionByZero);
    EXPECT_THROW(Div(0, -X(0.0)), InvalidOperation);
    EXPECT_THROW(Sqrt(-4), InvalidOperation);
}

TEST(CheckedArithmetic, ResultsWithinRange) {
    EXPECT_EQ(Mul(Hex("0xFFD30CA381D24F29p+8128") /* 1.09e2466 */,
                  Hex("0xFFD30CA381D24F29p+8128") /* 1.09e2466 */) >
                  Hex("0xD72CB2A95C7EF6CDp+16320") /* 1e4932 */,
              true);  // just below the limit
    EXPECT_SAME_EXTENDED(Sqrt(-X(0.0)), -X(0.0));
    EXPECT_EQ(Sqrt(16), 4);
    EXPECT_SAME_EXTENDED(Mul(Hex("0x1p-16000"), Hex("0x1p-445")),
                         Hex("0x1p-16445"));  // smallest denormal
    EXPECT_SAME_EXTENDED(Div(0, -5), -X(0.0));
    // One rounding to the 64-bit significand, ties to even.
    EXPECT_SAME_EXTENDED(Add(1, Hex("0x1p-64")), X(1.0));
    EXPECT_SAME_EXTENDED(Add(1, Hex("0x1p-64") + Hex("0x1p-70")), X(1.0) + Hex("0x1p-63"));
    EXPECT_SAME_EXTENDED(Sub(X(1.0) + Hex("0x1p-62"), Hex("0x1p-64")), X(1.0) + Hex("0x1p-62"));
}

TEST(CheckedArithmetic, NarrowingToDouble) {
    EXPECT_EQ(ToDouble(Hex("0x95FE7E07C91EFAFAp-1392") /* 1e-400 */), 0.0);
    EXPECT_EQ(ToDouble(Hex("0x1p-1074")), 0x1p-1074);  // smallest denormal double
    EXPECT_EQ(ToDouble(Hex("0x1p-1070") + Hex("0x1p-1200")), 0x1p-1070);
    EXPECT_EQ(ToDouble(X(1.0) + Hex("0x1p-53")), 1.0);  // tie to even
    EXPECT_EQ(ToDouble(X(1.0) + Hex("0x1p-53") + Hex("0x1p-60")), 1.0 + 0x1p-52);
    EXPECT_EQ(ToDouble(X(DBL_MAX)), DBL_MAX);
    // Rounds to DBL_MAX: below the midpoint between DBL_MAX and 2^1024.
    EXPECT_EQ(ToDouble(X(DBL_MAX) + Hex("0x1p969")), DBL_MAX);
    // Rounds up to 2^1024: overflow.
    EXPECT_THROW(ToDouble(X(DBL_MAX) + Hex("0x1p970")), Overflow);
}

}  // namespace
}  // namespace parabel
