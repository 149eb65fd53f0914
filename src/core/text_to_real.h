// Reading a number text as an extended value.
#pragma once

#include <string_view>

#include "extended.h"

namespace parabel {

// Accepted text (bytes; a NUL byte ends it early):
//   spaces* [+|-] digits* [SEP digits*] [(E|e) [+|-] digits*] spaces*
// with at least one digit or the separator SEP before the exponent part, SEP
// being the process-wide decimal separator. Only the space (0x20) counts as a
// blank. Exponent digits are read until the first non-digit or right after
// the digit that makes the exponent 500 or more.
//
// Digits go into one accumulator (times ten, plus digit, each rounded); the
// accumulator is then scaled by 10^(exponent - fraction digits) with the
// three-step scaling and negated for '-'. When the digits stay below 2^64 and
// that power lies within -27 .. 27, the result is correctly rounded.
// Values below the extended range come out denormal or 0.
//
// Raises ConversionError "'<text>' is not a valid floating point value" (the
// whole text, blanks included) for a rejected text or a value, or an
// accumulator, beyond the extended range.
//
// Examples: "12", " 12 ", "+12" -> 12; ".5" -> 0.5; "." -> 0; "-." -> -0;
// "1E" -> 1; "1e5000" and "1 2" and "1,5" (with '.') are rejected.
Extended TextToReal(std::string_view text);

}  // namespace parabel
