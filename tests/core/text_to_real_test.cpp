#include "core/text_to_real.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "core/decimal_separator.h"
#include "core/errors.h"
#include "core/pow10.h"
#include "support/extended_literals.h"
#include "support/nearest_extended.h"
#include "support/extended_printing.h"

using parabel::testing::NextUp;
using parabel::testing::X;
using parabel::testing::kInfinity;

namespace parabel {
namespace {

// Texts are written with '.' and the separator under test replaces it, so
// every row runs with '.' and with ','.
std::string WithSeparator(std::string text, char separator) {
    for (char& c : text) {
        if (c == '.') {
            c = separator;
        }
    }
    return text;
}

struct ValueRow {
    std::string text;
    Extended expected;
};

const Extended kNearest1e500 = testing::NearestExtended("1e500");
const Extended kNearest1e1000 = testing::NearestExtended("1e1000");

const ValueRow kValid[] = {
    {"12", 12},
    {" 12 ", 12},
    {"+12", 12},
    {"0012", 12},
    {"-5", -5},
    {"1.5", X(1.5)},
    {"1.5e0", X(1.5)},
    {"15e-1", X(1.5)},
    {".5", X(0.5)},
    {"5.", 5},
    {".", 0},
    {"-.", -X(0.0)},
    {"-0", -X(0.0)},
    {"1e5", 100000},
    {"1E+5", 100000},
    {"1e0005", 100000},
    {"1E", 1},
    {"1e+", 1},
    {"1e-", 1},
    {"1e500", kNearest1e500},
    // The three-step scaling lands one unit in the last place above 10^1000.
    {"1e1000", NextUp(kNearest1e1000)},
    {"1.1e4932", testing::NearestExtended("1.1e4932")},
    {"1e4932", testing::NearestExtended("1e4932")},
    {"1e-4999", 0},
    {"   -2.25   ", -X(2.25)},
    {"1e-4940", testing::NearestExtended("1e-4940")},  // denormal
    {"0.0001e4", 1},
};

class TextToRealBothSeparators : public ::testing::TestWithParam<char> {};

TEST_P(TextToRealBothSeparators, ValidTexts) {
    ScopedDecimalSeparator separator(GetParam());
    for (const ValueRow& row : kValid) {
        const std::string text = WithSeparator(row.text, GetParam());
        SCOPED_TRACE("<" + text + ">");
        EXPECT_SAME_EXTENDED(TextToReal(text), row.expected);
    }
}

const char* const kInvalid[] = {
    "",       " ",    "+",     "-",   "E5",     "1 2",    "1 E5",   "- 5",
    "1e 5",   "1.5.", "12x",   "\t1", "1e5000", "0e9999", "1e4933", "1.2e4932",
    "1e4999", "..",   "1e5 1", "x",   "+-1",    "1e+-5",  "0x10",
};

TEST_P(TextToRealBothSeparators, InvalidTextsRaiseTheConversionErrorWithTheWholeText) {
    ScopedDecimalSeparator separator(GetParam());
    for (const char* row : kInvalid) {
        const std::string text = WithSeparator(row, GetParam());
        SCOPED_TRACE("<" + text + ">");
        try {
            TextToReal(text);
            ADD_FAILURE() << "accepted";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), "'" + text + "' is not a valid floating point value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, TextToRealBothSeparators, ::testing::Values('.', ','));

TEST(TextToReal, TheOtherSeparatorIsRejected) {
    {
        ScopedDecimalSeparator separator('.');
        EXPECT_THROW(TextToReal("1,5"), ConversionError);
        EXPECT_THROW(TextToReal("1,000"), ConversionError);
    }
    {
        ScopedDecimalSeparator separator(',');
        EXPECT_EQ(TextToReal("1,5"), X(1.5));
        EXPECT_THROW(TextToReal("1.5"), ConversionError);
    }
}

TEST(TextToReal, NulByteEndsTheText) {
    EXPECT_EQ(TextToReal(std::string("12\0junk", 7)), 12);
    EXPECT_THROW(TextToReal(std::string("\0"
                                        "12",
                                        3)),
                 ConversionError);
}

TEST(TextToReal, AccumulatorOverflowIsInvalidEvenWhenTheExponentWouldBringItBack) {
    const std::string digits(5000, '9');
    EXPECT_THROW(TextToReal(digits), ConversionError);
    EXPECT_THROW(TextToReal(digits + "e-4999"), ConversionError);
    EXPECT_THROW(TextToReal("." + digits), ConversionError);
}

TEST(TextToReal, ManyFractionDigitsScaleToZeroOrStayFinite) {
    // 6000 fraction digits of zeros then a one: the exponent is below -5120.
    EXPECT_SAME_EXTENDED(TextToReal("0." + std::string(6000, '0') + "1"), X(0.0));
    EXPECT_SAME_EXTENDED(TextToReal("-0." + std::string(6000, '0') + "1"), -X(0.0));
    // A megabyte of zeros is read in linear time.
    EXPECT_EQ(TextToReal(std::string(1 << 20, '0') + "7"), 7);
}

TEST(TextToReal, MessageKeepsBlanksAndEmptyText) {
    try {
        TextToReal("  1 2  ");
        ADD_FAILURE();
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'  1 2  ' is not a valid floating point value");
    }
    try {
        TextToReal("");
        ADD_FAILURE();
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid floating point value");
    }
}

// Digits below 2^64 with a decimal exponent within -27 .. 27: one exact
// operand, one exact power, one rounded operation, so the result is the
// correctly rounded value, as an exact big-integer computation gives it.
TEST(TextToReal, CorrectlyRoundedWithinTheExactRange) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> digitCount(1, 19);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-27, 27);
    for (int i = 0; i < 100000; ++i) {
        std::string digits;
        const int count = digitCount(random);
        for (int k = 0; k < count; ++k) {
            digits += static_cast<char>('0' + digit(random));
        }
        const int fraction = std::uniform_int_distribution<int>(0, count)(random);
        const int e = exponent(random);
        // Keep the decimal exponent (e - fraction) within -27 .. 27.
        const int shown = std::clamp(e + fraction, -27 + fraction, 27 + fraction);
        std::string text = digits.substr(0, count - fraction) + "." +
                           digits.substr(count - fraction) + "e" + std::to_string(shown);
        const Extended expected = testing::NearestExtended(text);
        ASSERT_TRUE(testing::SameBits(TextToReal(text), expected))
            << text << "\n"
            << testing::Describe(TextToReal(text)) << "\n"
            << testing::Describe(expected);
    }
}

}  // namespace
}  // namespace parabel
