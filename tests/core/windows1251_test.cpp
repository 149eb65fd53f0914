#include "core/windows1251.h"

#include <gtest/gtest.h>

namespace parabel {
namespace {

TEST(FitsWindows1251, AcceptsTheCodePagesCharacters) {
    const char* accepted[] = {"x^2-5x+6=0", "Ответ: x(1)=3", "±", "€‚„…†‡‰", "", "Ёё№»«", "\t\r"};
    for (const char* text : accepted) {
        EXPECT_TRUE(FitsWindows1251(text)) << text;
    }
}

TEST(FitsWindows1251, RefusesOtherCharactersAndBrokenText) {
    const std::string refused[] = {
        "x²",                        // superscript two
        "ˆ",                         // U+02C6
        "日本",                      // CJK
        "😀",                         // four-byte sequence
        std::string("a\0b", 3),      // NUL
        std::string("\xC3", 1),      // cut sequence
        std::string("\xC0\x80", 2),  // overlong NUL
        std::string("\xFF\xFE", 2),  // no UTF-8 at all
        std::string("\xE2\x82", 2),  // cut three-byte sequence
    };
    for (const std::string& text : refused) {
        EXPECT_FALSE(FitsWindows1251(text)) << text;
    }
}

TEST(IsWindows1251CodePoint, UpperHalfOfTheCodePage) {
    EXPECT_TRUE(IsWindows1251CodePoint(0x00B1));   // ±
    EXPECT_TRUE(IsWindows1251CodePoint(0x0401));   // Ё
    EXPECT_TRUE(IsWindows1251CodePoint(0x044F));   // я
    EXPECT_TRUE(IsWindows1251CodePoint(0x2116));   // №
    EXPECT_TRUE(IsWindows1251CodePoint(0x20AC));   // €
    EXPECT_FALSE(IsWindows1251CodePoint(0x00B2));  // ²
    EXPECT_FALSE(IsWindows1251CodePoint(0x00E9));  // é
    EXPECT_FALSE(IsWindows1251CodePoint(0x0450));  // ѐ has no byte
}

}  // namespace
}  // namespace parabel
