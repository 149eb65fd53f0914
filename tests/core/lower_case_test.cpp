#include "core/lower_case.h"

#include <gtest/gtest.h>

namespace parabel {
namespace {

TEST(ToLowerCase, LettersTheEquationFieldLowers) {
    const std::pair<const char*, const char*> rows[] = {
        {"X^2-5X+6", "x^2-5x+6"},
        {"2X^2-4=0", "2x^2-4=0"},
        {"ПРИВЕТ Ёж", "привет ёж"},
        {"ЂЃЉЊЌЋЏЎІЇЄЅЈҐ", "ђѓљњќћџўіїєѕјґ"},
        {"уже строчные", "уже строчные"},
        {"±°€™", "±°€™"},
        {"", ""},
        {"1E5", "1e5"},
    };
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(ToLowerCase(text), expected) << text;
    }
}

TEST(ToLowerCase, InvalidBytesPassUnchanged) {
    const std::string bytes("A\xC0\xFF\x80Z\xD0", 6);
    EXPECT_EQ(ToLowerCase(bytes), std::string("a\xC0\xFF\x80z\xD0", 6));
}

}  // namespace
}  // namespace parabel
