#include "core/windows1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>

#include "core/utf8.h"

namespace parabel {
namespace {

// The C library's conversion of `input`; nothing when it refuses any of it.
std::optional<std::string> Iconv(const char* to, const char* from, const std::string& input) {
    const iconv_t handle = iconv_open(to, from);
    if (handle == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "no conversion from " << from << " to " << to;
        return std::nullopt;
    }
    char buffer[16];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(handle, &in, &inLeft, &out, &outLeft);
    iconv_close(handle);
    if (result == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    return std::string(buffer, out);
}

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

TEST(Windows1251, EveryByteReadsAsTheCLibraryReadsIt) {
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        const std::optional<std::string> expected = Iconv("UTF-8", "WINDOWS-1251", byte);
        EXPECT_EQ(Windows1251CodePoint(static_cast<unsigned char>(value)).has_value(),
                  expected.has_value())
            << value;
        EXPECT_EQ(Windows1251ToUtf8(byte), expected.value_or("?")) << value;
        if (expected) {
            EXPECT_EQ(Utf8ToWindows1251(*expected), byte) << value;
        }
    }
}

TEST(Windows1251, EveryCharacterOfThePlaneWritesAsTheCLibraryWritesIt) {
    for (char32_t codePoint = 1; codePoint < 0x10000; ++codePoint) {
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
            continue;
        }
        std::string utf8;
        AppendUtf8(utf8, codePoint);
        const std::optional<std::string> expected = Iconv("WINDOWS-1251", "UTF-8", utf8);
        const std::optional<unsigned char> byte = Windows1251Byte(codePoint);
        ASSERT_EQ(byte.has_value(), expected.has_value())
            << std::hex << static_cast<unsigned>(codePoint);
        EXPECT_EQ(Utf8ToWindows1251(utf8), expected.value_or("?"))
            << std::hex << static_cast<unsigned>(codePoint);
    }
}

// The equation field's rule: one mark for a broken sequence's lead byte and
// the continuation bytes that follow it, so no good character is lost.
TEST(Utf8ToWindows1251, BrokenTextBecomesOneMarkPerAnnouncedSequence) {
    const std::pair<std::string, std::string> rows[] = {
        {"\xFF\xC3", "??"},
        {"\xC3\xA9x", "?x"},          // é has no byte
        {"\xF0\x9F\x98\x80!", "?!"},  // four-byte character
        {"\xE2\x82"
         "A=",
         "?A="},  // a cut sequence keeps the byte after it
        {"x\xE2"
         "ab",
         "x?ab"},
        {"\xE2\x82", "?"},      // cut at the end
        {"\x80\xBF", "??"},     // continuation bytes alone
        {"\xC0\x80", "?"},      // overlong
        {"\xED\xA0\x80", "?"},  // surrogate
        {"\xF8\x88x", "??x"},   // no lead byte form
    };
    for (const auto& [text, bytes] : rows) {
        EXPECT_EQ(Utf8ToWindows1251(text), bytes) << text;
    }
}

TEST(ShowableText, Utf8AsItIsBrokenBytesAsWindows1251) {
    const std::pair<std::string, std::string> rows[] = {
        {"уравнение.txt", "уравнение.txt"},
        {"\xF3\xF0.txt", "ур.txt"},                    // a name from an old archive
        {"/home/\xD0\x90/\xF3.txt", "/home/А/у.txt"},  // UTF-8 and Windows-1251 in one
        {"\x98", "?"},                                 // the one byte without a character
        {"", ""},
    };
    for (const auto& [bytes, shown] : rows) {
        EXPECT_EQ(ShowableText(bytes), shown) << bytes;
    }
}

}  // namespace
}  // namespace parabel
