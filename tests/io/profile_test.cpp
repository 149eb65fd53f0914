#include "io/profile.h"

#include <gtest/gtest.h>

#include <string>

namespace parabel {
namespace {

struct ReadRow {
    const char* name;
    std::string text;
    std::optional<std::string> value;
};

TEST(ReadProfileValue, AsTheProgramReliesOnIt) {
    const ReadRow rows[] = {
        {"plain", "[1]\r\nColor=clBlue\r\n", "clBlue"},
        {"case of names", "[1]\r\ncOLOR=clBlue\r\n", "clBlue"},
        {"blanks around", "  [ 1 ]  \r\n  Color  =   12   \r\n", "12"},
        {"double quotes", "[1]\r\nColor=\" clBlue \"\r\n", " clBlue "},
        {"single quotes", "[1]\r\nColor='x'\r\n", "x"},
        {"one quote only", "[1]\r\nColor=\"x\r\n", "\"x"},
        {"mixed quotes stay", "[1]\r\nColor=\"x'\r\n", "\"x'"},
        {"empty value", "[1]\r\nColor=\r\n", ""},
        {"LF lines", "[1]\nColor=clLime\n", "clLime"},
        {"CR-only lines", "[0]\rColor=clRed\r[1]\rColor=clNavy\r", "clNavy"},
        {"no line end at the end", "[1]\r\nColor=clTeal", "clTeal"},
        {"first section counts", "[1]\r\nOther=1\r\n[1]\r\nColor=clAqua\r\n", std::nullopt},
        {"first key counts", "[1]\r\nColor=clAqua\r\nColor=clRed\r\n", "clAqua"},
        {"other sections", "[2]\r\nColor=clRed\r\n[1]\r\nX=1\r\nColor=255\r\n[3]\r\n", "255"},
        {"key only in another section", "[1]\r\nX=1\r\n[2]\r\nColor=1\r\n", std::nullopt},
        {"missing section", "[2]\r\nColor=1\r\n", std::nullopt},
        {"empty file", "", std::nullopt},
        {"line without equals", "[1]\r\nColor\r\n", std::nullopt},
        {"binary bytes", std::string("\x00\xFF\r\n[1]\r\nColor=\x01\xFE\r\n", 19), "\x01\xFE"},
        {"byte-order mark before the section", "\xEF\xBB\xBF[1]\r\nColor=clBlue\r\n", "clBlue"},
        {"byte-order mark before a comment", "\xEF\xBB\xBF;x\n[1]\nColor=clBlue\n", "clBlue"},
        {"byte-order mark later is a byte", "[0]\r\n\xEF\xBB\xBF[1]\r\nColor=clBlue\r\n",
         std::nullopt},
        {"long value cut", "[1]\r\nColor=" + std::string(5000, 'a') + "\r\n",
         std::string(kMaxProfileValue, 'a')},
    };
    for (const ReadRow& row : rows) {
        EXPECT_EQ(ReadProfileValue(row.text, "1", "Color"), row.value) << row.name;
    }
}

struct WriteRow {
    const char* name;
    std::string before;
    std::string after;
};

TEST(SetProfileValue, ChangesOnlyWhatItMust) {
    const WriteRow rows[] = {
        {"new file", "", "[1]\r\nColor=clRed\r\n"},
        {"replace the value only", "[1]\r\n  color = clBlue ;x\r\n", "[1]\r\n  color =clRed\r\n"},
        {"other lines kept byte for byte", "; note\n[2]\r\nA=1\r\n[1]\r\nColor=1\r\nZ=2\r\n",
         "; note\n[2]\r\nA=1\r\n[1]\r\nColor=clRed\r\nZ=2\r\n"},
        {"missing key after the section's last line", "[1]\r\nA=1\r\n\r\n[2]\r\nB=2\r\n",
         "[1]\r\nA=1\r\nColor=clRed\r\n\r\n[2]\r\nB=2\r\n"},
        {"missing section at the end", "[2]\r\nB=2\r\n", "[2]\r\nB=2\r\n[1]\r\nColor=clRed\r\n"},
        {"missing section, no final line end", "[2]\r\nB=2",
         "[2]\r\nB=2\r\n[1]\r\nColor=clRed\r\n"},
        {"missing key, no final line end", "[1]\r\nA=1", "[1]\r\nA=1\r\nColor=clRed\r\n"},
        {"CR-only lines", "[1]\rColor=1\r", "[1]\rColor=clRed\r"},
        {"byte-order mark kept, value replaced", "\xEF\xBB\xBF[1]\r\nColor=clBlue\r\n",
         "\xEF\xBB\xBF[1]\r\nColor=clRed\r\n"},
        {"byte-order mark kept, key added", "\xEF\xBB\xBF[1]\r\nA=1\r\n",
         "\xEF\xBB\xBF[1]\r\nA=1\r\nColor=clRed\r\n"},
        {"byte-order mark only", "\xEF\xBB\xBF", "\xEF\xBB\xBF[1]\r\nColor=clRed\r\n"},
        {"first of duplicate sections", "[1]\r\nColor=1\r\n[1]\r\nColor=2\r\n",
         "[1]\r\nColor=clRed\r\n[1]\r\nColor=2\r\n"},
    };
    for (const WriteRow& row : rows) {
        const std::string after = SetProfileValue(row.before, "1", "Color", "clRed");
        EXPECT_EQ(after, row.after) << row.name;
        EXPECT_EQ(ReadProfileValue(after, "1", "Color"), "clRed") << row.name;
    }
}

}  // namespace
}  // namespace parabel
