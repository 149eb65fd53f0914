#include "real_to_text.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>

#include "decimal_separator.h"
#include "pow10.h"

namespace parabel {

namespace {

constexpr int kScaledDigits = 18;
constexpr int kShownDigits = 15;

// The decimal form of a finite non-zero normal value: `count` digits (no
// trailing zeros) with value = 0.d1d2... * 10^exponent.
struct DecimalForm {
    char digits[kScaledDigits + 1];
    int count;
    int exponent;
};

constexpr Extended kTenTo15 = 1'000'000'000'000'000;
constexpr Extended kTenTo17 = 100'000'000'000'000'000;
constexpr Extended kTenTo18 = 1'000'000'000'000'000'000;

// floor(a / b) for b > 0, rounding towards minus infinity.
int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Step 2, scaling: |x| scaled by 10^(18 - E) and rounded to an integer,
// divided by ten once more when that reaches 10^18.
Extended ScaledInteger(Extended magnitude, int& exponent) {
    Extended y = RoundToIntegral(ScaleByPowerOfTen(magnitude, kScaledDigits - exponent));
    if (y >= kTenTo18) {
        y = y / 10;
        exponent += 1;
        y = RoundToIntegral(y);
        // A value just below a power of ten may round up to 10^18 again;
        // its eighteen digits are then 1 followed by zeros, one place up.
        if (y >= kTenTo18) {
            y = kTenTo17;
            exponent += 1;
        }
    }
    return y;
}

// Step 2: eighteen digits from the estimated decimal exponent.
void ScaleToEighteenDigits(Extended magnitude, int binaryExponent, DecimalForm& form) {
    // 19728 / 65536 stands for log10 2 (slightly below it); the estimate is
    // the true decimal exponent or one above it.
    int exponent = FloorDiv(binaryExponent * 19728, 65536) + 1;
    Extended y = ScaledInteger(magnitude, exponent);
    // Below 2^-680 the estimate can be one too high, which would leave a
    // leading zero digit (0.999E-205 for 9.99E-206) and only 14 digits that
    // count: such values are scaled again with the exponent one lower.
    if (y < kTenTo17) {
        exponent -= 1;
        y = ScaledInteger(magnitude, exponent);
    }
    assert(y >= kTenTo17 && y < kTenTo18);
    auto integer = static_cast<std::uint64_t>(y.ToInt64());
    for (int i = kScaledDigits - 1; i >= 0; --i) {
        form.digits[i] = static_cast<char>('0' + integer % 10);
        integer /= 10;
    }
    form.count = kScaledDigits;
    form.exponent = exponent;
}

// Step 3: fifteen digits, half-up on the sixteenth digit alone.
void CutToFifteenDigits(DecimalForm& form) {
    const bool roundUp = form.digits[kShownDigits] >= '5';
    form.count = kShownDigits;
    if (roundUp) {
        int i = kShownDigits - 1;
        while (i >= 0 && form.digits[i] == '9') {
            form.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            form.digits[i] += 1;
        } else {
            form.digits[0] = '1';
            form.count = 1;
            form.exponent += 1;
        }
    }
    while (form.count > 0 && form.digits[form.count - 1] == '0') {
        --form.count;
    }
}

char* WriteUnsigned(char* out, int value) {
    char buffer[12];
    int length = 0;
    do {
        buffer[length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (length > 0) {
        *out++ = buffer[--length];
    }
    return out;
}

// Step 4: fixed or scientific layout by the decimal exponent.
char* Layout(const DecimalForm& form, char separator, char* out) {
    const int e = form.exponent;
    if (e > 15 || e < -3) {
        *out++ = form.digits[0];
        if (form.count > 1) {
            *out++ = separator;
            std::memcpy(out, form.digits + 1, form.count - 1);
            out += form.count - 1;
        }
        *out++ = 'E';
        const int shown = e - 1;
        if (shown < 0) {
            *out++ = '-';
        }
        return WriteUnsigned(out, shown < 0 ? -shown : shown);
    }
    if (e <= 0) {
        *out++ = '0';
        *out++ = separator;
        for (int i = 0; i < -e; ++i) {
            *out++ = '0';
        }
        std::memcpy(out, form.digits, form.count);
        return out + form.count;
    }
    for (int i = 0; i < e; ++i) {
        *out++ = i < form.count ? form.digits[i] : '0';
    }
    if (form.count > e) {
        *out++ = separator;
        std::memcpy(out, form.digits + e, form.count - e);
        out += form.count - e;
    }
    return out;
}

// The decimal digits of a non-zero whole number, with its sign.
std::size_t WriteWholeNumber(std::int64_t number, char* out) {
    char digits[20];
    std::size_t count = 0;
    std::uint64_t rest =
        number < 0 ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
    do {
        digits[count++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    char* end = out;
    if (number < 0) {
        *end++ = '-';
    }
    while (count > 0) {
        *end++ = digits[--count];
    }
    return static_cast<std::size_t>(end - out);
}

std::size_t WriteLiteral(const char* text, char* out) {
    const std::size_t length = std::strlen(text);
    std::copy_n(text, length, out);
    return length;
}

}  // namespace

std::size_t RealToText(Extended value, char* out) {
    // Step 1: the values without a decimal form of their own.
    if (IsNan(value)) {
        return WriteLiteral("NAN", out);
    }
    if (IsInf(value)) {
        return WriteLiteral(value < 0 ? "-INF" : "INF", out);
    }
    const ExtendedBits bits = ExtendedBits::Of(value);
    if (bits.exponent == 0) {  // +0, -0 and denormal values
        return WriteLiteral("0", out);
    }
    // A whole number below 10^15 is its own fifteen-digit form: scaled to
    // eighteen digits it stays exact (below 10^18 < 2^63), the cut drops
    // only zeros, and the layout is fixed without a separator. Written
    // straight from its integer value, it gives the same text faster.
    const Extended magnitude = Abs(value);
    if (magnitude < kTenTo15 && magnitude == Truncate(magnitude)) {
        return WriteWholeNumber(value.ToInt64(), out);
    }
    // Steps 2 to 4: eighteen digits, cut to fifteen, laid out.
    DecimalForm form;
    ScaleToEighteenDigits(magnitude, bits.exponent - ExtendedBits::kBias, form);
    CutToFifteenDigits(form);

    char* end = out;
    if (bits.negative) {
        *end++ = '-';
    }
    end = Layout(form, DecimalSeparator(), end);
    return static_cast<std::size_t>(end - out);
}

std::string RealToText(Extended value) {
    char buffer[kRealTextMax + 1];
    return std::string(buffer, RealToText(value, buffer));
}

}  // namespace parabel
