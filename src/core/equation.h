// Cutting the coefficients of a x^2 + b x + c out of the equation text.
//
// The text is read by position, not by a grammar: a is what stands before
// "x^2", b what stands between "x^2" and the next "x", c what follows that
// "x" (or, when no "x" follows, everything after "x^2"). Each piece is read by
// TextToReal except a few fixed forms. Markers are matched in lower case,
// byte by byte; the equation field holds its text in lower case.
#pragma once

#include <string>
#include <string_view>

#include "extended.h"

namespace parabel {

// The text without one final "=0": "x^2=0=0" gives "x^2=0", "=0" gives "".
std::string StripEqualsZero(std::string_view text);

struct Coefficients {
    Extended a = 0;
    Extended b = 0;
    Extended c = 0;
};

// Reads a, b and c from the normalised text.
//
//   piece      empty      "-"     "+"      other
//   a-text     1          -1      fails    TextToReal (zero stays zero)
//   b-text     fails      -1      1        TextToReal
//   c-text     0          fails   fails    TextToReal
//
// Every "x^2" is handled in turn (so a second one fails: its a-text holds
// the first), then every "x" behind the last "x^2" (a second one fails: the
// c-text of the first holds it). When no "x" follows the "x^2", b = 0 and the
// c-text is everything after the "x^2". Without "x^2", a text holding an "x"
// fails and any other gives a = b = c = 0, which the caller reports as not of
// the form a x^2 + b x + c.
//
// Raises ConversionError (from TextToReal) for a piece that is no number.
// Examples: "x^2-5x+6" -> 1, -5, 6; "-x^2+4" -> -1, 0, 4; "2x^2" -> 2, 0, 0;
// "0x^2+x+1" -> 0, 1, 1; "5+3" -> 0, 0, 0; "5x+3", "x^2x+1" -> fail.
Coefficients ReadCoefficients(std::string_view text);

}  // namespace parabel
