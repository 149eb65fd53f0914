// ASCII alone: the letter case of the letters, as names in the settings file
// and colour identifiers are compared, the hexadecimal digits of colour
// texts and of escapes in the page's address, and numbers written with
// leading zeros (colour texts, the printed date).
#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace parabel {

constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

constexpr char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

// Same length and the same bytes, letters a-z matched in either case.
constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// The value of a hexadecimal digit, either case; -1 for any other character.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// `value` in `base` (lower-case letters beyond 9) with at least `digits`
// digits, zeros before it: what printf's "%0*u" and "%0*x" write, without
// printf's formatting machinery in the WebAssembly module.
inline std::string ZeroPadded(std::uint32_t value, std::size_t digits, int base = 10) {
    char buffer[32];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value, base).ptr;
    std::string text(buffer, static_cast<std::size_t>(end - buffer));
    if (text.size() < digits) {
        text.insert(0, digits - text.size(), '0');
    }
    return text;
}

}  // namespace parabel
