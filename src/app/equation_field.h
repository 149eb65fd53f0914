// What the equation field holds: text in lower case made only of characters
// that Windows-1251 can hold, whether typed, pasted, loaded or set. The window
// and the page both keep their field through it.
#pragma once

#include <string>
#include <string_view>

namespace parabel {

// `typed` (UTF-8) as the field keeps it: "²" becomes "^2" (what a superscript
// two means here; other superscripts mean nothing in an equation), NUL,
// broken UTF-8 and every character without a Windows-1251 byte are dropped,
// and the rest is lowered by ToLowerCase. "X²-4" -> "x^2-4", "5€" -> "5€",
// "x✓" -> "x".
std::string EquationFieldText(std::string_view typed);

}  // namespace parabel
