// What the equation field holds: one line of text in lower case made only of
// characters that Windows-1251 can hold, whether typed, pasted, loaded or
// set, and at most kEquationFieldMaxLength of them. The window, the page and
// parabel-cli all take an equation through it, so the same text gives the
// same equation everywhere.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/error_report.h"

namespace parabel {

// The most characters the field holds, the "=0" that a solve appends
// included: far more than any equation typed or pasted. A longer text is
// refused whole with EquationTooLongBox, never cut.
constexpr std::size_t kEquationFieldMaxLength = 10000;

// Whether the field can hold `fieldText` (as EquationFieldText gives it).
bool FitsEquationField(std::string_view fieldText);
// Whether the field can hold what a solve of `fieldText` leaves in it: the
// text without a final "=0", then "=0".
bool FitsSolvedEquation(std::string_view fieldText);
// The box refusing a longer text, and its message alone.
std::string EquationTooLongMessage();
Report EquationTooLongBox();

// `typed` (UTF-8) as the field keeps it, character by character:
// - "²" becomes "^2" (what a superscript two means here);
// - the minus sign U+2212 and the dash and minus forms that Windows-1251
//   lacks (U+2010-U+2012, U+2015, U+FE63, U+FF0D) become "-", as text copied
//   from a book, a web page or a phone keyboard writes a minus;
// - the full-width forms of ASCII (U+FF01-U+FF5E) become their ASCII
//   characters;
// - every other character without a Windows-1251 byte, NUL, and each broken
//   UTF-8 sequence become "?", as a Windows text field shows them, so the
//   solve reports a coefficient it cannot read instead of solving another
//   equation;
// - a line break (CR, LF) is removed, as a browser's one-line field removes
//   it: a line copied with its end is that line, and two lines become one
//   text that the field shows whole;
// - the rest is kept and lowered by ToLowerCase.
// Nothing else is dropped. "X²−4" -> "x^2-4", "２x^2" -> "2x^2",
// "5€" -> "5€", "x³-1" -> "x?-1", "x^2-4\r\n" -> "x^2-4".
std::string EquationFieldText(std::string_view typed);

}  // namespace parabel
