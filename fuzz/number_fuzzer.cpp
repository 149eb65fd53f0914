// The number reader and writer.
//
// The first byte chooses what the rest is (its two low bits):
//   0 (',')  a text read with the separator ','
//   2 ('.')  a text read with the separator '.'
//   1, 3     the ten bytes of an 80-bit pattern given to the writer
// and in every case, with the separator '.', the rest also yields a decimal
// integer below 2^64 and a power of ten within -27 .. 27 (see
// CheckCorrectRounding).
//
// Properties:
// - The reader either returns a finite value or raises ConversionError.
// - What the writer writes reads back: for every finite value x,
//   W(x) is at most kRealTextMax bytes, R(W(x)) raises nothing, lies within
//   0.502 units of the 15th digit of x, and W(R(W(x))) == W(x): writing,
//   reading and writing again is stable. (Not half a unit: the 18-digit
//   integer is rounded first and the cut then looks at the 16th digit
//   alone, so ...4996 in digits 16 to 19 becomes ...500 and rounds up;
//   with the scaling's error that adds under two units of the 18th digit.) The one exception by
//   design: when R(W(x)) falls below the smallest normal value (W(x) rounded the smallest normal
//   values down), it is denormal and writes as "0".
// - Any 80-bit pattern writes without fault: "INF"/"-INF" for infinities,
//   "NAN" for NaN, "0" for zeros and denormals; patterns that the x87 unit
//   treats as invalid operands (unnormals, pseudo-infinities) are not
//   values and only must not fault.
// - Digits below 2^64 scaled by 10^-27 .. 10^27 read correctly rounded: the
//   same value as an exact big-integer rounding gives.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bit_patterns.h"
#include "core/decimal_separator.h"
#include "core/errors.h"
#include "core/real_to_text.h"
#include "core/text_to_real.h"
#include "fuzz_check.h"
#include "support/extended_literals.h"
#include "support/nearest_extended.h"

using parabel::testing::Hex;

namespace parabel::fuzz {
namespace {

constexpr Extended kSmallestNormal = kSmallestNormalExtended;

std::string Describe(Extended value) {
    const ExtendedBits bits = ExtendedBits::Of(value);
    char text[64];
    // By its bits alone: the value's text is what is under test here.
    std::snprintf(text, sizeof text, "%c%04X:%016llX", bits.negative ? '-' : '+', bits.exponent,
                  static_cast<unsigned long long>(bits.significand));
    return text;
}

// Writes into a buffer of exactly kRealTextMax bytes, so that AddressSanitizer
// catches one byte too many.
std::string WriteChecked(Extended value) {
    auto* buffer = new char[kRealTextMax];
    const std::size_t length = RealToText(value, buffer);
    Check(length <= kRealTextMax, "text longer than kRealTextMax for " + Describe(value));
    std::string text(buffer, length);
    delete[] buffer;
    return text;
}

void CheckRoundTrip(Extended x) {
    const std::string written = WriteChecked(x);
    Extended back;
    try {
        back = TextToReal(written);
    } catch (const ConversionError&) {
        Fail("'" + written + "' written for " + Describe(x) + " does not read back");
    }
    const std::string again = WriteChecked(back);
    if (Abs(back) >= kSmallestNormal || back == 0) {
        Check(again == written, "'" + written + "' reads back as " + Describe(back) +
                                    ", which writes as '" + again + "'");
    } else {
        Check(again == "0", "denormal " + Describe(back) + " writes as '" + again + "'");
    }
    if (x != 0 && Abs(x) >= kSmallestNormal) {
        // 0.502 units of the 15th significant digit are at most 5.02e-15 |x|.
        const Extended error = Abs(back - x);
        Check(error <= Hex("0xB4DD53DF3B937CC4p-111") /* 5.02e-15 */ * Abs(x),
              "'" + written + "' is too far from " + Describe(x));
    }
}

void CheckText(std::string_view text) {
    Extended value;
    try {
        value = TextToReal(text);
    } catch (const ConversionError&) {
        return;
    }
    Check(IsFinite(value), "'" + std::string(text) + "' reads as " + Describe(value));
    CheckRoundTrip(value);
}

void CheckPattern(const std::uint8_t* bytes) {
    const Extended value = ExtendedFromBytes(bytes);
    const ExtendedBits bits = ExtendedBits::Of(value);
    constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
    const bool integerBit = (bits.significand & kIntegerBit) != 0;
    const std::string written = WriteChecked(value);
    if (bits.exponent == 0) {
        Check(written == "0", Describe(value) + " writes as '" + written + "'");
    } else if (!integerBit) {
        return;  // not a value; writing it must merely not fault
    } else if (bits.exponent == 0x7FFF) {
        const bool infinite = bits.significand == kIntegerBit;
        const char* expected = !infinite ? "NAN" : (bits.negative ? "-INF" : "INF");
        Check(written == expected, Describe(value) + " writes as '" + written + "'");
    } else {
        CheckRoundTrip(value);
    }
}

// D * 10^p for a 64-bit D and |p| <= 27, written as D's digits with the
// separator at a chosen place and the exponent that makes up for it.
void CheckCorrectRounding(const std::uint8_t* data, std::size_t size) {
    if (size < 11) {
        return;
    }
    std::uint64_t digits;
    std::memcpy(&digits, data, 8);
    const int power = static_cast<int>(data[8] % 55) - 27;
    const std::string integer = std::to_string(digits);
    const std::size_t point = data[9] % (integer.size() + 1);
    const int fractionDigits = static_cast<int>(integer.size() - point);
    const bool negative = (data[10] & 1) != 0;
    std::string text = negative ? "-" : "";
    text += integer.substr(0, point);
    text += '.';
    text += integer.substr(point);
    text += 'e';
    text += std::to_string(power + fractionDigits);

    const ScopedDecimalSeparator separator('.');
    const Extended value = TextToReal(text);
    const Extended expected = testing::NearestExtended(text);
    Check(value == expected, "'" + text + "' reads as " + Describe(value) +
                                 ", correctly rounded is " + Describe(expected));
}

}  // namespace
}  // namespace parabel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace parabel;
    using namespace parabel::fuzz;
    if (size == 0) {
        return 0;
    }
    const std::uint8_t mode = data[0] & 3;
    const std::uint8_t* rest = data + 1;
    const std::size_t restSize = size - 1;
    if (mode == 1 || mode == 3) {
        if (restSize >= 10) {
            CheckPattern(rest);
        }
    } else {
        const ScopedDecimalSeparator separator(mode == 0 ? ',' : '.');
        CheckText(std::string_view(reinterpret_cast<const char*>(rest), restSize));
    }
    CheckCorrectRounding(rest, restSize);
    return 0;
}
