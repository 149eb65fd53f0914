#include "io/line_text.h"

#include <gtest/gtest.h>

#include "io/codepage.h"

namespace parabel {
namespace {

TEST(EncodeLines, Windows1251WithCrLfAfterEveryLine) {
    EXPECT_EQ(EncodeLines({"A", "B"}), "A\r\nB\r\n");
    EXPECT_EQ(EncodeLines({"A", "", "B"}), "A\r\n\r\nB\r\n");
    EXPECT_EQ(EncodeLines({}), "");
    EXPECT_EQ(EncodeLines({"Ответ: ±"}), "\xCE\xF2\xE2\xE5\xF2: \xB1\r\n");
    EXPECT_EQ(EncodeLines({"x²€日"}), "x?\x88?\r\n");
}

TEST(DecodeLines, EveryLineEndAndNul) {
    using Lines = std::vector<std::string>;
    const std::pair<std::string, Lines> rows[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},  // LF CR ends a line and yields an empty one
        {"\r\nx", {"", "x"}},
        {std::string("a\0b\r\n", 5), {"a"}},
        {std::string("\0a", 2), {}},
        {"", {}},
        {"\xCE\xF2\xE2\xE5\xF2", {"Ответ"}},
    };
    for (const auto& [content, lines] : rows) {
        EXPECT_EQ(DecodeLines(content), lines);
    }
}

TEST(DecodeFirstLine, TheFirstLineOrNone) {
    EXPECT_EQ(DecodeFirstLine("2x^2+3x-5=0\r\njunk"), "2x^2+3x-5=0");
    EXPECT_EQ(DecodeFirstLine("2x^2+3x-5=0\njunk"), "2x^2+3x-5=0");
    EXPECT_EQ(DecodeFirstLine("2x^2+3x-5=0\rjunk"), "2x^2+3x-5=0");
    EXPECT_EQ(DecodeFirstLine("2x^2+3x-5=0"), "2x^2+3x-5=0");
    EXPECT_EQ(DecodeFirstLine("\r\nx"), "");
    EXPECT_EQ(DecodeFirstLine(""), std::nullopt);
    EXPECT_EQ(DecodeFirstLine(std::string("\0x", 2)), std::nullopt);
}

TEST(DecodeFirstLine, AUtf8ByteOrderMarkIsSkipped) {
    EXPECT_EQ(DecodeFirstLine("\xEF\xBB\xBFx^2-4x+4\r\n"), "x^2-4x+4");
    EXPECT_EQ(DecodeFirstLine("\xEF\xBB\xBF\r\n"), "");
    EXPECT_EQ(DecodeFirstLine("\xEF\xBB\xBF"), std::nullopt);
    // Only a whole mark first: these bytes elsewhere are Windows-1251 text.
    EXPECT_EQ(DecodeFirstLine("x\xEF\xBB\xBF"), "xп»ї");
    EXPECT_EQ(DecodeFirstLine("\xEF\xBBx"), "п»x");
}

TEST(Codepage, RoundTripOfEveryAssignedByte) {
    for (int byte = 1; byte < 256; ++byte) {
        if (byte == 0x98) {
            EXPECT_EQ(Windows1251ToUtf8("\x98"), "?");
            continue;
        }
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(Utf8ToWindows1251(Windows1251ToUtf8(one)), one) << byte;
    }
    EXPECT_EQ(Utf8ToWindows1251(std::string("\xFF\xC3", 2)), "??");
}

}  // namespace
}  // namespace parabel
