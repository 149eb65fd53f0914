#include "core/utf8.h"

#include <gtest/gtest.h>

namespace parabel {
namespace {

TEST(DecodeUtf8, ValidSequencesOfEveryLength) {
    const std::pair<std::string, char32_t> rows[] = {
        {"A", U'A'},
        {std::string("\0", 1), 0},
        {"\x7F", 0x7F},
        {"é", 0xE9},
        {"\xDF\xBF", 0x7FF},
        {"€", 0x20AC},
        {"\xEF\xBF\xBF", 0xFFFF},
        {"😀", 0x1F600},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF},
    };
    for (const auto& [text, expected] : rows) {
        std::size_t i = 0;
        char32_t codePoint = 0;
        ASSERT_TRUE(DecodeUtf8(text + "x", i, codePoint)) << text;
        EXPECT_EQ(codePoint, expected) << text;
        EXPECT_EQ(i, text.size()) << text;
        std::string encoded;
        AppendUtf8(encoded, codePoint);
        EXPECT_EQ(encoded, text);
    }
}

TEST(DecodeUtf8, RefusesBrokenSequencesAndStaysPut) {
    const std::string rows[] = {
        "\x80",  // continuation byte
        "\xC3",  // cut
        "\xC3"
        "A",                 // not continued
        "\xE2\x82",          // cut three-byte sequence
        "\xC0\x80",          // overlong two-byte
        "\xE0\x80\x80",      // overlong three-byte
        "\xF0\x80\x80\x80",  // overlong four-byte
        "\xED\xA0\x80",      // surrogate
        "\xF4\x90\x80\x80",  // above U+10FFFF
        "\xF8\x88\x80\x80",  // no lead byte form
        "\xFF",
    };
    for (const std::string& text : rows) {
        std::size_t i = 0;
        char32_t codePoint = 0;
        EXPECT_FALSE(DecodeUtf8(text, i, codePoint)) << testing::PrintToString(text);
        EXPECT_EQ(i, 0u);
    }
}

}  // namespace
}  // namespace parabel
