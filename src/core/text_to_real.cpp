#include "text_to_real.h"

#include <cstdint>
#include <string>

#include "decimal_separator.h"
#include "errors.h"
#include "pow10.h"

namespace parabel {

namespace {

[[noreturn]] void Reject(std::string_view text) {
    std::string message;
    message.reserve(text.size() + 40);
    message += '\'';
    message += text;
    message += "' is not a valid floating point value";
    throw ConversionError(message);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A cursor over the text that reads '\0' at and beyond its end.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}
    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void Take() { ++pos_; }
    bool AtEnd() const { return Peek() == '\0'; }
    void SkipSpaces() {
        while (Peek() == ' ') {
            Take();
        }
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Reads the digits at the cursor into the accumulator; returns their count.
std::int64_t AccumulateDigits(Cursor& cursor, Extended& accumulator) {
    std::int64_t count = 0;
    while (IsDigit(cursor.Peek())) {
        accumulator = accumulator * 10;
        accumulator = accumulator + (cursor.Peek() - '0');
        cursor.Take();
        ++count;
    }
    return count;
}

// The exponent part after 'E' or 'e', signed; 0 when it has no digits.
int ReadExponent(Cursor& cursor) {
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Take();
    }
    int n = 0;
    while (IsDigit(cursor.Peek())) {
        n = n * 10 + (cursor.Peek() - '0');
        cursor.Take();
        if (n >= 500) {
            break;  // at most 4999: 499 * 10 + 9
        }
    }
    return negative ? -n : n;
}

}  // namespace

Extended TextToReal(std::string_view text) {
    const char separator = DecimalSeparator();
    Cursor cursor(text);

    cursor.SkipSpaces();
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Take();
    }

    Extended accumulator = 0;
    const std::int64_t integerDigits = AccumulateDigits(cursor, accumulator);
    bool tookSeparator = false;
    std::int64_t fractionDigits = 0;
    if (cursor.Peek() == separator && separator != '\0') {
        cursor.Take();
        tookSeparator = true;
        fractionDigits = AccumulateDigits(cursor, accumulator);
    }
    if (integerDigits == 0 && !tookSeparator) {
        Reject(text);
    }

    int exponent = 0;
    if (cursor.Peek() == 'E' || cursor.Peek() == 'e') {
        cursor.Take();
        exponent = ReadExponent(cursor);
    }
    cursor.SkipSpaces();
    if (!cursor.AtEnd()) {
        Reject(text);
    }

    // An accumulator that overflowed stays invalid even when the scaling
    // below would replace it by 0.
    if (IsInf(accumulator)) {
        Reject(text);
    }
    // Beyond +-5120 the scaling gives infinity or 0 whatever the exact power.
    std::int64_t decimalExponent = static_cast<std::int64_t>(exponent) - fractionDigits;
    if (decimalExponent < -5120) {
        decimalExponent = -5120;
    }
    Extended result = ScaleByPowerOfTen(accumulator, static_cast<int>(decimalExponent));
    if (negative) {
        result = -result;
    }
    if (IsInf(result) || IsNan(result)) {
        Reject(text);
    }
    return result;
}

}  // namespace parabel
