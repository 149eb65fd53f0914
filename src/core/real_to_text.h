// Writing an extended value as text: general layout, 15 significant digits.
#pragma once

#include <cstddef>
#include <string>

#include "extended.h"

namespace parabel {

// The longest text: sign, 15 digits, separator, 'E', exponent sign and four
// exponent digits.
constexpr std::size_t kRealTextMax = 23;

// Writes the text of the value into `out` (at least kRealTextMax bytes, no
// terminating NUL) and returns its length. Never fails, never allocates.
//
// The value is scaled to 18 digits (rounded to an integer twice at most), then
// cut to 15 digits, half-up on the 16th digit alone, and trailing zeros go.
// With E the decimal exponent (value = 0.d1d2... * 10^E):
//   1 <= E <= 15    fixed:       123456789012345, 2.5, 1234567.891
//   -3 <= E <= 0    fixed:       0.0001, 0.00012345
//   otherwise       scientific:  1E15, 1.5E-7, -2.5E20 (no '+', no leading zeros)
// The first digit is never 0 (tiny values whose exponent estimate is one too
// high are scaled again). +-0 and denormal values give "0"; infinities
// "INF"/"-INF", NaN "NAN".
// The decimal separator is the process-wide one.
std::size_t RealToText(Extended value, char* out);

std::string RealToText(Extended value);

}  // namespace parabel
