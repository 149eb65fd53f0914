#include "io/line_text.h"

#include <gtest/gtest.h>

namespace parabel {
namespace {

TEST(EncodeLines, Windows1251WithCrLfAfterEveryLine) {
    EXPECT_EQ(EncodeLines({"A", "B"}), "A\r\nB\r\n");
    EXPECT_EQ(EncodeLines({"A", "", "B"}), "A\r\n\r\nB\r\n");
    EXPECT_EQ(EncodeLines({}), "");
    EXPECT_EQ(EncodeLines({"Ответ: ±"}), "\xCE\xF2\xE2\xE5\xF2: \xB1\r\n");
    EXPECT_EQ(EncodeLines({"x²€日"}), "x?\x88?\r\n");
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

TEST(DecodeFirstLine, AUtf8ByteOrderMarkIsSkippedAndTheLineReadAsUtf8) {
    EXPECT_EQ(DecodeFirstLine("\xEF\xBB\xBFx^2-4x+4\r\n"), "x^2-4x+4");
    EXPECT_EQ(DecodeFirstLine("\xEF\xBB\xBFx\xC2\xB2\xE2\x88\x92" "5x\r\n"), "x²−5x");
    // Broken UTF-8 after the mark reads as replacement characters, one a
    // broken sequence, which the field then marks.
    EXPECT_EQ(DecodeFirstLine("\xEF\xBB\xBFx\xFF\xB8\xE2\x88\n"), "x\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(DecodeFirstLine("\xEF\xBB\xBF\xE2x^2\n"), "\uFFFDx^2");  // nothing good lost
    EXPECT_EQ(DecodeFirstLine("\xEF\xBB\xBF\r\n"), "");
    EXPECT_EQ(DecodeFirstLine("\xEF\xBB\xBF"), std::nullopt);
    // Only a whole mark first: these bytes elsewhere are Windows-1251 text.
    EXPECT_EQ(DecodeFirstLine("x\xEF\xBB\xBF"), "xп»ї");
    EXPECT_EQ(DecodeFirstLine("\xEF\xBBx"), "п»x");
}

}  // namespace
}  // namespace parabel
