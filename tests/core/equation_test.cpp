#include "core/equation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/errors.h"
#include "support/extended_literals.h"
#include "support/extended_printing.h"

using parabel::testing::X;

namespace parabel {
namespace {

TEST(StripEqualsZero, RemovesOneFinalEqualsZero) {
    const std::pair<const char*, const char*> rows[] = {
        {"x^2-5x+6", "x^2-5x+6"},
        {"x^2-5x+6=0", "x^2-5x+6"},
        {"x^2=0=0", "x^2=0"},
        {"=0", ""},
        {"", ""},
        {"0", "0"},
        {"=", "="},
        {"x^2=00", "x^2=00"},
        {"-x^2+4=0", "-x^2+4"},
    };
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(StripEqualsZero(text), expected) << text;
    }
}

struct ParseRow {
    const char* text;
    std::optional<Coefficients> expected;  // nullopt: conversion failure
};

Coefficients Abc(Extended a, Extended b, Extended c) {
    return {a, b, c};
}

// The normalised texts of the parser's examples, with the two decided changes:
// a zero read for a stays zero, and without an "x" after "x^2" everything
// after it is the c-text.
const ParseRow kRows[] = {
    {"x^2-5x+6", Abc(1, -5, 6)},
    {"-x^2+4", Abc(-1, 0, 4)},
    {"2x^2+4x+2", Abc(2, 4, 2)},
    {"x^2+1", Abc(1, 0, 1)},
    {"0x^2+x+1", Abc(0, 1, 1)},
    {"-0x^2+1", Abc(-X(0.0), 0, 1)},
    {"0.0x^2", Abc(0, 0, 0)},
    {"x^2+x", Abc(1, 1, 0)},
    {"x^2-x", Abc(1, -1, 0)},
    {"2x^2", Abc(2, 0, 0)},
    {"x^2", Abc(1, 0, 0)},
    {"", Abc(0, 0, 0)},
    {"5+3", Abc(0, 0, 0)},
    {"x^2-5x+6 ", Abc(1, -5, 6)},
    {"x^2 +1", Abc(1, 0, 1)},
    {"1.5x^2-.5x+1e2", Abc(X(1.5), -X(0.5), 100)},
    {"x^2+0x-0", Abc(1, 0, -X(0.0))},
    {"x^2=0", std::nullopt},
    {"5x+3", std::nullopt},
    {"x", std::nullopt},
    {"+x^2+x", std::nullopt},
    {"x^2x+1", std::nullopt},
    {"0x^2x+1", std::nullopt},
    {"x^2+x^2", std::nullopt},
    {"x^2+x+x", std::nullopt},
    {"x^2 - 5x + 6", std::nullopt},
    {"x^2+x-", std::nullopt},
    {"x^2+x+", std::nullopt},
    {"x^2-", std::nullopt},
    {"x^2+", std::nullopt},
    {"X^2+1", Abc(0, 0, 0)},  // upper case never matches the markers
    {"1,5x^2", std::nullopt},
};

TEST(ReadCoefficients, ExamplesByPosition) {
    for (const ParseRow& row : kRows) {
        SCOPED_TRACE(std::string("<") + row.text + ">");
        if (!row.expected) {
            EXPECT_THROW(ReadCoefficients(row.text), ConversionError);
            continue;
        }
        const Coefficients actual = ReadCoefficients(row.text);
        EXPECT_SAME_EXTENDED(actual.a, row.expected->a);
        EXPECT_SAME_EXTENDED(actual.b, row.expected->b);
        EXPECT_SAME_EXTENDED(actual.c, row.expected->c);
    }
}

TEST(ReadCoefficients, HugeTextsFailOnceAndQuickly) {
    const std::string manyX = "x^2+" + std::string(1 << 20, 'x');
    EXPECT_THROW(ReadCoefficients(manyX), ConversionError);
    const std::string manySquares = [] {
        std::string text;
        for (int i = 0; i < 100000; ++i) {
            text += "x^2";
        }
        return text;
    }();
    EXPECT_THROW(ReadCoefficients(manySquares), ConversionError);
}

}  // namespace
}  // namespace parabel
