#include "io/color_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/errors.h"

namespace parabel {
namespace {

TEST(ColorIdentifiers, FiftyTwoUniqueNamesAndValues) {
    std::set<std::string> names;
    std::set<std::int32_t> values;
    for (const ColorIdentifier& identifier : kColorIdentifiers) {
        names.insert(identifier.name);
        values.insert(identifier.value);
    }
    EXPECT_EQ(names.size(), 52u);
    EXPECT_EQ(values.size(), 52u);
    EXPECT_STREQ(kColorIdentifiers[0].name, "clBlack");
    EXPECT_STREQ(kColorIdentifiers[51].name, "clWindowText");
}

TEST(ColorToText, NamesFirstThenEightHexDigits) {
    const std::pair<std::int32_t, const char*> rows[] = {
        {0x000000FF, "clRed"},
        {0x00FF0000, "clBlue"},
        {static_cast<std::int32_t>(0xFF00000F), "clBtnFace"},
        {0x1FFFFFFF, "clNone"},
        {0x00123456, "$00123456"},
        {0x00FF8000, "$00FF8000"},
        {0x00030201, "$00030201"},
        {-1, "$FFFFFFFF"},
        {0x12345678, "$12345678"},
    };
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(ColorToText(value), text);
    }
}

TEST(TextToColor, NamesAndNumbers) {
    const std::pair<const char*, std::int32_t> rows[] = {
        {"clRed", 0x000000FF},
        {"CLBLUE", 0x00FF0000},
        {"clred", 0x000000FF},
        {"clbtnface", static_cast<std::int32_t>(0xFF00000F)},
        {"$00FF8000", 0x00FF8000},
        {"16711680", 0x00FF0000},
        {"255", 255},
        {"$FF", 255},
        {"0xFF", 255},
        {"0XfF", 255},
        {"xff", 255},
        {"X0000000000FF", 255},  // leading zeros are free
        {"-1", -1},
        {"$FFFFFFFF", -1},
        {"-$1", -1},
        {"+12", 12},
        {"  12", 12},
        {"007", 7},
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
    };
    for (const auto& [text, value] : rows) {
        EXPECT_EQ(TextToColor(text), value) << text;
    }
}

TEST(TextToColor, InvalidTextsNameThemselves) {
    const char* rows[] = {"red",    "$",           "2147483648", "$100000000", "12 ", "",
                          " clRed", "-2147483649", "0x",         "1.5",        "12a", "--1",
                          "$-1",    "0x1g",        "+",          "$123456789"};
    for (const char* text : rows) {
        try {
            TextToColor(text);
            ADD_FAILURE() << "accepted <" << text << ">";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), std::string("'") + text + "' is not a valid integer value");
        }
    }
}

TEST(ColorText, CanonicalFormsRoundTrip) {
    for (const char* text : {"255", "$FF", "0xFF", "clred"}) {
        EXPECT_EQ(ColorToText(TextToColor(text)), "clRed") << text;
    }
    EXPECT_EQ(ColorToText(TextToColor("16711680")), "clBlue");
    EXPECT_EQ(ColorToText(TextToColor("-1")), "$FFFFFFFF");
}

}  // namespace
}  // namespace parabel
