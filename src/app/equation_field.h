// What the equation field holds: text in lower case made only of characters
// that Windows-1251 can hold, whether typed, pasted, loaded or set. The
// window, the page and parabel-cli all take an equation through it, so the
// same text gives the same equation everywhere.
#pragma once

#include <string>
#include <string_view>

namespace parabel {

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
// - the rest is kept and lowered by ToLowerCase.
// Nothing is dropped. "X²−4" -> "x^2-4", "２x^2" -> "2x^2", "5€" -> "5€",
// "x³-1" -> "x?-1".
std::string EquationFieldText(std::string_view typed);

}  // namespace parabel
