#include "cli/json.h"

#include <gtest/gtest.h>

#include <string>

#include "core/decimal_separator.h"

namespace parabel {
namespace {

TEST(CliJson, StringsAreEscapedAndAlwaysValidUtf8) {
    struct Row {
        std::string text;
        std::string json;
    };
    const std::string replacement = "\xEF\xBF\xBD";
    const Row rows[] = {
        {"x^2-5x+6", "\"x^2-5x+6\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {std::string("\x00\x01\x1F\n\r\t\x7F", 7), "\"\\u0000\\u0001\\u001f\\n\\r\\t\x7F\""},
        {"Ответ ±€ 😀", "\"Ответ ±€ 😀\""},
        {"x\xFF", "\"x" + replacement + "\""},
        {"\xC0\xAF", "\"" + replacement + replacement + "\""},                    // overlong '/'
        {"\xED\xA0\x80", "\"" + replacement + replacement + replacement + "\""},  // surrogate
        {"\xF4\x90\x80\x80", "\"" + replacement + replacement + replacement + replacement + "\""},
        {"\xE2\x82", "\"" + replacement + replacement + "\""},  // cut short
        {"\xE2\x82\xAC", "\"€\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.json);
        EXPECT_EQ(cli::JsonString(row.text), row.json);
    }
}

TEST(CliJson, NumbersUsePointsWhateverTheSeparator) {
    const ScopedDecimalSeparator comma(',');
    const SolveOutcome outcome = Solve("0,5x^2-0,5x");
    ASSERT_EQ(outcome.failure, SolveFailure::kNone);
    const std::string json = cli::JsonOfSolve("0,5X^2-0,5x", outcome);
    EXPECT_EQ(json,
              "{\"input\":\"0,5X^2-0,5x\",\"equation\":\"0,5x^2-0,5x=0\",\"lines\":"
              "[\"0,5x^2-0,5x=0\",\"Решение\",\"__________________________\","
              "\"D=(-0,5)^2-4*(0,5)*(0)=0,25\",\"D>0 - Два корня.\","
              "\"x(1,2)=((0,5)±(0,25^(1/2)))/(2*(0,5))\",\"x(1)=1\",\"x(2)=0\","
              "\"__________________________\",\"Ответ: x(1)=1 ; x(2)=0\"],"
              "\"a\":\"0.5\",\"b\":\"-0.5\",\"c\":\"0\",\"discriminant\":\"0.25\","
              "\"roots\":[\"1\",\"0\"]}");
    EXPECT_EQ(DecimalSeparator(), ',');
}

}  // namespace
}  // namespace parabel
