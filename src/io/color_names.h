// The text form of colour values, as the settings file holds them: a colour
// identifier such as "clRed", or a number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace parabel {

struct ColorIdentifier {
    const char* name;
    std::int32_t value;
};

// The 52 identifiers, in the order both conversions look them up.
extern const ColorIdentifier kColorIdentifiers[52];

// The first identifier with this value, else "$" and the 32 bits as eight
// upper-case hexadecimal digits: 0x00123456 -> "$00123456", -1 -> "$FFFFFFFF".
std::string ColorToText(std::int32_t color);

// An identifier (letters a-z matched in either case, nothing trimmed), or a
// 32-bit integer: leading spaces, an optional sign, then hexadecimal digits
// after "$", "x", "X", "0x" or "0X" (at most 32 significant bits, read as a
// signed value) or decimal digits (-2147483648 .. 2147483647), running to the
// very end of the text. Raises ConversionError
// "'<text>' is not a valid integer value" otherwise.
std::int32_t TextToColor(std::string_view text);

}  // namespace parabel
