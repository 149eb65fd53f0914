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

// Each invalid UTF-8 sequence is one '?' (its lead byte with the
// continuation bytes that follow it) and the character after it is kept.
TEST(Codepage, InvalidUtf8BecomesOneQuestionMarkAndKeepsWhatFollows) {
    const std::pair<std::string, std::string> rows[] = {
        {"\xE0.", "?."},                    // three-byte lead, no continuation
        {"\xC3x", "?x"},                    // two-byte lead, no continuation
        {"\xE2\x82+", "?+"},                // three-byte lead, one continuation
        {"\xF0\x9F\x98=0", "?=0"},          // four-byte lead, two continuations
        {"\x80^", "?^"},                    // a lone continuation byte
        {"\xC3\xA9\xA9", "??"},             // a character that does not fit, a stray byte
        {"\xF0\x9F\x98\x80!", "?!"},        // a whole character that does not fit
        {"\xE2\x82\xAC\xE2\x82", "\x88?"},  // the euro sign, then a cut sequence at the end
    };
    for (const auto& [utf8, bytes] : rows) {
        EXPECT_EQ(Utf8ToWindows1251(utf8), bytes) << testing::PrintToString(utf8);
    }
}

// The flag of Scotland: a black flag that does not fit, then language tags.
TEST(Codepage, LanguageTagCharactersAreDropped) {
    EXPECT_EQ(Utf8ToWindows1251("x\xF0\x9F\x8F\xB4\xF3\xA0\x81\xA7\xF3\xA0\x81\xA2\xF3\xA0\x81\xB3"
                                "\xF3\xA0\x81\xA3\xF3\xA0\x81\xB4\xF3\xA0\x81\xBFy"),
              "x?y");
}

}  // namespace
}  // namespace parabel
