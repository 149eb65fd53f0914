#include "core/real_to_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/decimal_separator.h"
#include "support/extended_literals.h"
#include "support/extended_printing.h"
#include "support/nearest_extended.h"

using parabel::testing::Hex;
using parabel::testing::X;
using parabel::testing::kInfinity;
using parabel::testing::kQuietNan;

namespace parabel {
namespace {

Extended Nearest(const char* decimal) {
    return testing::NearestExtended(decimal);
}

struct TextRow {
    const char* name;
    Extended value;
    const char* text;  // with '.' as the separator
};

const TextRow kWorkedExamples[] = {
    {"zero", X(0.0), "0"},
    {"negative zero", -X(0.0), "0"},
    {"one", 1, "1"},
    {"minus one", -1, "-1"},
    {"nearest 0.1", Nearest("0.1"), "0.1"},
    {"2.5", X(2.5), "2.5"},
    {"-0.5", -X(0.5), "-0.5"},
    {"1/3", X(1.0) / X(3.0), "0.333333333333333"},
    {"2/3", X(2.0) / X(3.0), "0.666666666666667"},
    {"sqrt 2", SquareRoot(Extended(2)), "1.4142135623731"},
    {"15 digits", X(123456789012345.0), "123456789012345"},
    {"15 nines", X(999999999999999.0), "999999999999999"},
    {"15 digits and a fraction", X(123456789012345.5), "123456789012346"},
    {"15 digits and a quarter, negative", -X(987654321098765.25), "-987654321098765"},
    {"15 nines and a half", X(999999999999999.5), "1E15"},
    {"16 digits", X(1234567890123456.0), "1.23456789012346E15"},
    {"10^15", X(1e15), "1E15"},
    {"10^16", X(1e16), "1E16"},
    {"nearest 0.0001", Nearest("0.0001"), "0.0001"},
    {"nearest 0.00012345", Nearest("0.00012345"), "0.00012345"},
    {"nearest 0.00001", Nearest("0.00001"), "1E-5"},
    {"nearest 1.5e-7", Nearest("1.5e-7"), "1.5E-7"},
    {"-2.5e20", -X(2.5e20), "-2.5E20"},
    {"2^31-1", X(2147483647.0), "2147483647"},
    {"2^63", Hex("0x1p63"), "9.22337203685478E18"},
    {"nearest 10^100", Nearest("1e100"), "1E100"},
    {"nearest 10^-100", Nearest("1e-100"), "1E-100"},
    {"nearest 1.0000000000000005", Nearest("1.0000000000000005"), "1"},
    {"nearest 0.99999999999999949", Nearest("0.99999999999999949"), "0.999999999999999"},
    {"nearest 1234567.891", Nearest("1234567.891"), "1234567.891"},
    {"two-stage rounding", Nearest("0.004343065267350215"), "0.00434306526735022"},
    {"denormal 2^-16400", Hex("0x1p-16400"), "0"},
    {"smallest denormal", Hex("0x1p-16445"), "0"},
    {"negative denormal", -Hex("0x1p-16400"), "0"},
    {"largest extended", kLargestExtended, "1.18973149535723E4932"},
    {"smallest normal", kSmallestNormalExtended, "3.36210314311209E-4932"},
    {"negative largest", -kLargestExtended, "-1.18973149535723E4932"},
    {"infinity", kInfinity, "INF"},
    {"minus infinity", -kInfinity, "-INF"},
    {"NaN", kQuietNan, "NAN"},
    {"negative NaN", -kQuietNan, "NAN"},
    {"E = 0 boundary", X(0.5), "0.5"},
    {"E = -3 boundary", Nearest("0.000999"), "0.000999"},
    {"zeros up to E places", X(1.2e14), "120000000000000"},
    {"scientific with one digit", X(1e20), "1E20"},
    {"exponent of four digits", Nearest("-1.5e-1234"), "-1.5E-1234"},
    // Below 2^-680 the exponent estimate can be one too high; the first
    // digit is normalised all the same.
    {"tiny, estimate one too high", Nearest("9.99e-206"), "9.99E-206"},
    {"tiny, fifteen digits", Nearest("9.87654321098765e-4000"), "9.87654321098765E-4000"},
};

std::string WithSeparator(std::string text, char separator) {
    for (char& c : text) {
        if (c == '.') {
            c = separator;
        }
    }
    return text;
}

class RealToTextExamples : public ::testing::TestWithParam<char> {};

TEST_P(RealToTextExamples, WorkedExamplesWithEitherSeparator) {
    ScopedDecimalSeparator separator(GetParam());
    for (const TextRow& row : kWorkedExamples) {
        SCOPED_TRACE(std::string(row.name) + " " + testing::Describe(row.value));
        EXPECT_EQ(RealToText(row.value), WithSeparator(row.text, GetParam()));
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, RealToTextExamples, ::testing::Values('.', ','));

TEST(RealToText, TextsNeverExceedTwentyThreeCharacters) {
    const Extended longest = -Nearest("1.23456789012345e-4321");
    EXPECT_EQ(RealToText(longest), "-1.23456789012345E-4321");
    EXPECT_EQ(RealToText(longest).size(), kRealTextMax);
}

// Every 32-bit integer divided by ten reads back as the exact decimal n/10.
TEST(RealToText, WholeNumbersBelowTenToTheFifteenAreTheirDigits) {
    // Every digit count, both signs, the edges of each decade, and powers of
    // two; the C library prints whole numbers exactly.
    std::mt19937_64 random(15);
    std::vector<long long> numbers = {1,
                                      2,
                                      9,
                                      10,
                                      11,
                                      99,
                                      100,
                                      101,
                                      999999999999999,
                                      100000000000000,
                                      562949953421312 /* 2^49 */};
    long long decade = 1;
    for (int digits = 1; digits <= 15; ++digits, decade *= 10) {
        numbers.push_back(decade);
        numbers.push_back(decade * 10 - 1);
        for (int i = 0; i < 200; ++i) {
            numbers.push_back(decade + static_cast<long long>(random() % (9 * decade)));
        }
    }
    char expected[32];
    for (const long long number : numbers) {
        for (const long long signedNumber : {number, -number}) {
            std::snprintf(expected, sizeof expected, "%lld", signedNumber);
            ASSERT_EQ(RealToText(static_cast<Extended>(signedNumber)), expected);
        }
    }
    // Just outside: 10^15 and non-whole neighbours take the general form.
    EXPECT_EQ(RealToText(X(1e15)), "1E15");
    EXPECT_EQ(RealToText(-X(1e15)), "-1E15");
    EXPECT_EQ(RealToText(X(999999999999999.5)), "1E15");
    EXPECT_EQ(RealToText(X(99999999999999.5)), "99999999999999.5");
    EXPECT_EQ(RealToText(X(0.5)), "0.5");
}

TEST(RealToText, TenthsOfIntegersAreExact) {
    auto exactTenth = [](std::int64_t n) {
        std::string text = n < 0 ? "-" : "";
        const std::int64_t magnitude = n < 0 ? -n : n;
        text += std::to_string(magnitude / 10);
        if (magnitude % 10 != 0) {
            text += '.';
            text += std::to_string(magnitude % 10);
        }
        return n == 0 ? std::string("0") : text;
    };
    const std::int64_t fixed[] = {157, -3, 20, 0, -10, 2147483647, -2147483648LL, 1, -1, 99999};
    for (std::int64_t n : fixed) {
        EXPECT_EQ(RealToText(static_cast<Extended>(n) / 10), exactTenth(n)) << n;
    }
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<std::int32_t> any;
    for (int i = 0; i < 100000; ++i) {
        const std::int64_t n = any(random);
        ASSERT_EQ(RealToText(static_cast<Extended>(n) / 10), exactTenth(n)) << n;
    }
}

// A value read from a decimal of at most 15 significant digits is written
// back as that decimal: the 18-digit scaling errs by a few units of the 18th
// digit, never enough to move the half-up decision on the 16th.
TEST(RealToText, FifteenDigitDecimalsRoundTrip) {
    std::mt19937_64 random(42);
    std::uniform_int_distribution<std::uint64_t> mantissa(100000000000000ULL, 999999999999999ULL);
    std::uniform_int_distribution<int> exponent(-4900, 4900);
    for (int i = 0; i < 20000; ++i) {
        std::string digits = std::to_string(mantissa(random));
        while (digits.back() == '0') {
            digits.pop_back();
        }
        const int e = exponent(random);  // value = 0.digits * 10^e
        const std::string decimal = "0." + digits + "e" + std::to_string(e);
        const Extended value = testing::NearestExtended(decimal);

        std::string expected;
        if (e > 15 || e < -3) {
            expected = digits.substr(0, 1);
            if (digits.size() > 1) {
                expected += '.';
                expected += digits.substr(1);
            }
            expected += 'E';
            expected += std::to_string(e - 1);
        } else if (e <= 0) {
            expected = std::string("0.") + std::string(-e, '0');
            expected += digits;
        } else {
            expected = digits.size() <= static_cast<std::size_t>(e)
                           ? digits + std::string(e - digits.size(), '0')
                           : digits.substr(0, e) + "." + digits.substr(e);
        }
        ASSERT_EQ(RealToText(value), expected) << decimal << " " << testing::Describe(value);
    }
}

}  // namespace
}  // namespace parabel
