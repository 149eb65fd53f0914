// The extended value nearest to a decimal number, ties to even, computed
// with exact big-integer arithmetic: an independent route to what a correct
// conversion gives, for checking the program's own conversions and for
// writing test values as decimals, whichever 80-bit arithmetic runs.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/extended.h"

namespace parabel::testing {

namespace nearest_detail {

// A natural number in 32-bit words, least significant first, no leading
// zero words.
using Natural = std::vector<std::uint32_t>;

inline void Trim(Natural& n) {
    while (!n.empty() && n.back() == 0) {
        n.pop_back();
    }
}

inline void MultiplyAdd(Natural& n, std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& word : n) {
        const std::uint64_t value = std::uint64_t{word} * factor + carry;
        word = static_cast<std::uint32_t>(value);
        carry = value >> 32;
    }
    if (carry != 0) {
        n.push_back(static_cast<std::uint32_t>(carry));
    }
}

inline std::int64_t BitLength(const Natural& n) {
    return n.empty() ? 0 : static_cast<std::int64_t>(n.size()) * 32 - std::countl_zero(n.back());
}

inline Natural ShiftLeft(const Natural& n, std::int64_t bits) {
    if (n.empty()) {
        return n;
    }
    Natural out(static_cast<std::size_t>(bits / 32), 0);
    const int shift = static_cast<int>(bits % 32);
    std::uint32_t carry = 0;
    for (const std::uint32_t word : n) {
        out.push_back(word << shift | carry);
        carry = shift == 0 ? 0 : word >> (32 - shift);
    }
    out.push_back(carry);
    Trim(out);
    return out;
}

inline int Compare(const Natural& a, const Natural& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

// n = floor(n / 2).
inline void HalveInPlace(Natural& n) {
    for (std::size_t i = 0; i < n.size(); ++i) {
        n[i] = n[i] >> 1 | (i + 1 < n.size() ? n[i + 1] << 31 : 0);
    }
    Trim(n);
}

// a -= b, for a >= b.
inline void Subtract(Natural& a, const Natural& b) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t value = std::int64_t{a[i]} - borrow - (i < b.size() ? b[i] : 0);
        borrow = value < 0 ? 1 : 0;
        a[i] = static_cast<std::uint32_t>(value + (borrow << 32));
    }
    Trim(a);
}

}  // namespace nearest_detail

// "[-|+]digits[.digits][e[-|+]digits]", the value rounded to the nearest
// extended value (denormals included), ties to even; beyond the largest
// finite value, an infinity. A text of another shape ends the test program.
inline Extended NearestExtended(std::string_view text) {
    using namespace nearest_detail;
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    Natural numerator;
    std::int64_t exponent10 = 0;
    bool fraction = false;
    bool anyDigit = false;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            fraction = true;
            continue;
        }
        if (text[i] < '0' || text[i] > '9') {
            std::abort();
        }
        anyDigit = true;
        MultiplyAdd(numerator, 10, static_cast<std::uint32_t>(text[i] - '0'));
        exponent10 -= fraction ? 1 : 0;
    }
    if (!anyDigit) {
        std::abort();
    }
    if (i < text.size()) {
        exponent10 += std::atoll(std::string(text.substr(i + 1)).c_str());
    }
    Trim(numerator);
    if (numerator.empty()) {
        return negative ? -Extended(0) : Extended(0);
    }
    // value = numerator / denominator.
    // Scaled nine decimal places a step, the most a 32-bit word holds.
    Natural denominator{1};
    Natural& scaled = exponent10 > 0 ? numerator : denominator;
    for (std::int64_t places = std::abs(exponent10); places > 0; places -= 9) {
        std::uint32_t factor = 1;
        for (std::int64_t k = 0; k < std::min<std::int64_t>(places, 9); ++k) {
            factor *= 10;
        }
        MultiplyAdd(scaled, factor, 0);
    }
    // 2^top <= value < 2^(top + 1).
    std::int64_t top = BitLength(numerator) - BitLength(denominator);
    const auto atLeastPowerOfTwo = [&](std::int64_t power) {
        return power >= 0 ? Compare(numerator, ShiftLeft(denominator, power)) >= 0
                          : Compare(ShiftLeft(numerator, -power), denominator) >= 0;
    };
    if (!atLeastPowerOfTwo(top)) {
        --top;
    }
    // The significand's last bit stands for 2^lowest: 2^(top - 63), or the
    // smallest denormal's place.
    const std::int64_t lowest = std::max<std::int64_t>(top - 63, -16445);
    if (lowest > 16383 - 63) {
        return negative ? -ExtendedFromFields(false, 0x7FFF, 0x8000000000000000)
                        : ExtendedFromFields(false, 0x7FFF, 0x8000000000000000);
    }
    // quotient = floor(value / 2^lowest), found bit by bit; 65 bits at most.
    Natural remainder = lowest <= 0 ? ShiftLeft(numerator, -lowest) : numerator;
    const Natural divisor = lowest <= 0 ? denominator : ShiftLeft(denominator, lowest);
    std::uint64_t quotientHigh = 0;  // bits 64 and 65
    std::uint64_t quotient = 0;
    Natural shifted = ShiftLeft(divisor, 65);
    for (int bit = 65; bit >= 0; --bit) {
        if (Compare(remainder, shifted) >= 0) {
            Subtract(remainder, shifted);
            if (bit >= 64) {
                quotientHigh |= std::uint64_t{1} << (bit - 64);
            } else {
                quotient |= std::uint64_t{1} << bit;
            }
        }
        HalveInPlace(shifted);
    }
    // Round by the remainder against half the divisor.
    const int half = Compare(ShiftLeft(remainder, 1), divisor);
    if (half > 0 || (half == 0 && (quotient & 1) != 0)) {
        quotientHigh += ++quotient == 0 ? 1 : 0;
    }
    std::int64_t exponent = lowest;
    while (quotientHigh != 0) {  // the rounding carried into a 65th bit
        quotient = quotient >> 1 | quotientHigh << 63;
        quotientHigh >>= 1;
        ++exponent;
    }
    std::uint64_t significand = quotient;
    if (significand == 0) {
        return negative ? -Extended(0) : Extended(0);
    }
    // value = significand * 2^exponent; place the top bit at bit 63 unless
    // the value is denormal.
    std::int64_t biased = exponent + 63 + ExtendedBits::kBias;
    while ((significand >> 63) == 0 && biased > 1) {
        significand <<= 1;
        --biased;
    }
    if ((significand >> 63) == 0) {
        biased = 0;  // denormal: the field is 0, the scale that of 1
    }
    if (biased >= 0x7FFF) {
        return negative ? -ExtendedFromFields(false, 0x7FFF, 0x8000000000000000)
                        : ExtendedFromFields(false, 0x7FFF, 0x8000000000000000);
    }
    return ExtendedFromFields(negative, static_cast<std::uint16_t>(biased), significand);
}

}  // namespace parabel::testing
