// The one rule by which the window, the page and parabel-cli take typed,
// pasted and loaded text into the equation field.
#include "app/equation_field.h"

#include <gtest/gtest.h>

#include <string>

namespace parabel {
namespace {

struct FieldRow {
    const char* what;
    std::string typed;
    std::string kept;
};

TEST(EquationField, KeepsWhatWindows1251HoldsAndMarksTheRest) {
    const FieldRow rows[] = {
        {"lowered, Latin and Cyrillic", "X^2+ЁЖ", "x^2+ёж"},
        {"Windows-1251 signs kept", "x^2 € № ± – —", "x^2 € № ± – —"},
        {"superscript two", "X²+2X-3", "x^2+2x-3"},
        {"minus sign U+2212", "x^2\u22125x", "x^2-5x"},
        {"hyphen U+2010", "\u2010x^2", "-x^2"},
        {"non-breaking hyphen U+2011", "\u2011x^2", "-x^2"},
        {"figure dash U+2012", "\u2012x^2", "-x^2"},
        {"horizontal bar U+2015", "\u2015x^2", "-x^2"},
        {"small hyphen-minus U+FE63", "\uFE63x^2", "-x^2"},
        {"full-width hyphen-minus U+FF0D", "\uFF0Dx^2", "-x^2"},
        {"full-width digits and letters, lowered", "\uFF12\uFF38^2\uFF0B\uFF11", "2x^2+1"},
        {"full-width range ends", "\uFF01\uFF5E", "!~"},
        {"just outside the full-width range", "\uFF00\uFF5F", "??"},
        {"other superscripts mean nothing here", "x³-1", "x?-1"},
        {"a sign beyond Windows-1251", "x\u2713^2", "x?^2"},
        {"beyond 16 bits, one mark", "😀x^2", "?x^2"},
        {"NUL", std::string("x\0^2", 4), "x?^2"},
        {"a byte that starts nothing", "x\xFF^2", "x?^2"},
        {"a sequence cut short keeps what follows", "\xE2x^2", "?x^2"},
        {"a sequence cut short at the end", "x^2+\xE2\x82", "x^2+?"},
        {"a surrogate's bytes, one mark", "\xED\xA0\x80x", "?x"},
        {"an overlong form, one mark", "\xC0\xAFx", "?x"},
        {"a line copied with its end", "x^2-5x+6\n", "x^2-5x+6"},
        {"with a CR LF end", "X^2-5x+6\r\n", "x^2-5x+6"},
        {"two lines become one text", "x^2-5x+6\r\nx^2-4\n", "x^2-5x+6x^2-4"},
        {"empty", "", ""},
    };
    for (const FieldRow& row : rows) {
        EXPECT_EQ(EquationFieldText(row.typed), row.kept) << row.what;
        // What the field holds stays as it is when taken again, so a field
        // that judges every edit never changes its own text.
        EXPECT_EQ(EquationFieldText(row.kept), row.kept) << row.what;
    }
}

}  // namespace
}  // namespace parabel
