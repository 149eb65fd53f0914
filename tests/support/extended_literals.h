// Extended values for tests, written the same way whichever 80-bit
// arithmetic the build uses: exact values from hexadecimal text or from
// doubles, powers of two, and the special values.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/extended.h"

namespace parabel::testing {

// The value of a hexadecimal floating-point text such as "0x1.8p-3",
// "-0xc.35p+13" or "0x1p-16445", which must be exact in the format (at most
// 64 significant bits, within its range, denormals included); a text that
// is not ends the test program.
inline Extended Hex(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative || (!text.empty() && text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.substr(0, 2) != "0x" && text.substr(0, 2) != "0X") {
        std::abort();
    }
    text.remove_prefix(2);
    std::uint64_t mantissaHigh = 0;  // the mantissa's bits above 64
    std::uint64_t mantissa = 0;
    int exponent = 0;
    bool fraction = false;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'p' && text[i] != 'P'; ++i) {
        const char c = text[i];
        if (c == '.') {
            fraction = true;
            continue;
        }
        const int digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
        if (mantissaHigh >> 56 != 0) {
            std::abort();  // too many digits for a test value
        }
        mantissaHigh = mantissaHigh << 4 | mantissa >> 60;
        mantissa = mantissa << 4 | static_cast<unsigned>(digit);
        exponent -= fraction ? 4 : 0;
    }
    exponent += i + 1 < text.size() ? std::atoi(std::string(text.substr(i + 1)).c_str()) : 0;
    if ((mantissaHigh | mantissa) == 0) {
        return negative ? -Extended(0) : Extended(0);
    }
    // Normalise to 64 significant bits; the value is mantissa x 2^exponent.
    while (mantissaHigh != 0) {
        if ((mantissa & 1) != 0) {
            std::abort();  // not exact in 64 bits
        }
        mantissa = mantissa >> 1 | mantissaHigh << 63;
        mantissaHigh >>= 1;
        ++exponent;
    }
    std::uint64_t significand = mantissa;
    while ((significand >> 63) == 0) {
        significand <<= 1;
        --exponent;
    }
    int biased = exponent + ExtendedBits::kBias + 63;
    for (; biased < 1; ++biased) {  // denormal: the exponent field is 0
        if ((significand & 1) != 0) {
            std::abort();
        }
        significand >>= 1;
    }
    if (biased >= 0x7FFF) {
        std::abort();
    }
    const bool denormal = (significand >> 63) == 0;
    return ExtendedFromFields(negative, static_cast<std::uint16_t>(denormal ? 0 : biased),
                              significand);
}

// A double's value, exactly.
inline Extended X(double exact) {
    return Extended::FromDouble(exact);
}

// The next value above a positive finite one.
inline Extended NextUp(Extended value) {
    ExtendedBits bits = ExtendedBits::Of(value);
    if (++bits.significand == 0) {
        bits.significand = std::uint64_t{1} << 63;
        ++bits.exponent;
    }
    return bits.Value();
}

// The special values.
inline const Extended kInfinity = ExtendedFromFields(false, 0x7FFF, 0x8000000000000000);
inline const Extended kQuietNan = ExtendedFromFields(false, 0x7FFF, 0xC000000000000000);

}  // namespace parabel::testing
