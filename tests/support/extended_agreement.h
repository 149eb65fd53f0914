// Runs one operation of the extended interface on SoftExtended and on
// HardwareExtended and compares the results bit for bit; shared by the
// agreement test, the sweep program and the fuzz target.
#pragma once

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/hardware_extended.h"
#include "core/soft_extended.h"

namespace parabel::testing {

enum class ExtendedOp : std::uint8_t {
    kAdd,
    kSubtract,
    kMultiply,
    kDivide,
    kEqual,
    kNotEqual,
    kLess,
    kLessEqual,
    kGreater,
    kGreaterEqual,
    kNegate,
    kAbs,
    kSqrt,
    kRoundToIntegral,
    kTruncate,
    kIsNan,
    kIsInf,
    kIsFinite,
    kSignBit,
    kToDouble,
    kToInt64,
    kFromDouble,
    kFromInteger,
};
constexpr int kExtendedOpCount = static_cast<int>(ExtendedOp::kFromInteger) + 1;

inline const char* OpName(ExtendedOp op) {
    static const char* const kNames[kExtendedOpCount] = {
        "+",          "-",          "*",     "/",        "==",      "!=",       "<",
        "<=",         ">",          ">=",    "negate",   "Abs",     "Sqrt",     "RoundToIntegral",
        "Truncate",   "IsNan",      "IsInf", "IsFinite", "SignBit", "ToDouble", "ToInt64",
        "FromDouble", "FromInteger"};
    return kNames[static_cast<int>(op)];
}

inline bool IsBinary(ExtendedOp op) {
    return op <= ExtendedOp::kGreaterEqual;
}

// An 80-bit pattern.
struct Fields80 {
    bool negative = false;
    std::uint16_t exponent = 0;
    std::uint64_t significand = 0;
};

// What an operation reads: x (and y) as extended patterns, d for
// FromDouble, i for FromInteger.
struct Operands {
    Fields80 x{};
    Fields80 y{};
    double d = 0;
    std::int64_t i = 0;
};

// A result as bits: an extended value's sign and exponent in `high` and its
// significand in `low`; a double's or an integer's bits, or a truth value,
// in `low`.
struct Outcome {
    std::uint16_t high = 0;
    std::uint64_t low = 0;
    bool operator==(const Outcome&) const = default;
};

// Hides a value from the optimiser, so that the operation runs at run time
// on the x87 instead of being folded by the compiler's own arithmetic.
template <class T>
T Opaque(T value) {
    asm volatile("" : "+m"(value));
    return value;
}

template <class E>
Outcome Bits(E value) {
    return {static_cast<std::uint16_t>(value.exponent() | (value.negative() ? 0x8000 : 0)),
            value.significand()};
}

inline Outcome Bits(bool truth) {
    return {0, truth ? 1u : 0u};
}

inline Outcome Bits(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return {0, bits};
}

inline Outcome Bits(std::int64_t value) {
    return {0, static_cast<std::uint64_t>(value)};
}

template <class E>
Outcome Apply(ExtendedOp op, const Operands& operands) {
    const E x =
        Opaque(E::FromFields(operands.x.negative, operands.x.exponent, operands.x.significand));
    const E y =
        Opaque(E::FromFields(operands.y.negative, operands.y.exponent, operands.y.significand));
    switch (op) {
        case ExtendedOp::kAdd:
            return Bits(x + y);
        case ExtendedOp::kSubtract:
            return Bits(x - y);
        case ExtendedOp::kMultiply:
            return Bits(x * y);
        case ExtendedOp::kDivide:
            return Bits(x / y);
        case ExtendedOp::kEqual:
            return Bits(x == y);
        case ExtendedOp::kNotEqual:
            return Bits(x != y);
        case ExtendedOp::kLess:
            return Bits(x < y);
        case ExtendedOp::kLessEqual:
            return Bits(x <= y);
        case ExtendedOp::kGreater:
            return Bits(x > y);
        case ExtendedOp::kGreaterEqual:
            return Bits(x >= y);
        case ExtendedOp::kNegate:
            return Bits(-x);
        case ExtendedOp::kAbs:
            return Bits(Abs(x));
        case ExtendedOp::kSqrt:
            return Bits(SquareRoot(x));
        case ExtendedOp::kRoundToIntegral:
            return Bits(RoundToIntegral(x));
        case ExtendedOp::kTruncate:
            return Bits(Truncate(x));
        case ExtendedOp::kIsNan:
            return Bits(IsNan(x));
        case ExtendedOp::kIsInf:
            return Bits(IsInf(x));
        case ExtendedOp::kIsFinite:
            return Bits(IsFinite(x));
        case ExtendedOp::kSignBit:
            return Bits(SignBit(x));
        case ExtendedOp::kToDouble:
            return Bits(x.ToDouble());
        case ExtendedOp::kToInt64:
            return Bits(x.ToInt64());
        case ExtendedOp::kFromDouble:
            return Bits(E::FromDouble(Opaque(operands.d)));
        case ExtendedOp::kFromInteger:
            return Bits(E::FromInteger(Opaque(operands.i)));
    }
    return {};
}

inline std::string Describe(const Fields80& value) {
    char text[40];
    std::snprintf(text, sizeof text, "[%c %04X %016" PRIX64 "]", value.negative ? '-' : '+',
                  static_cast<unsigned>(value.exponent), value.significand);
    return text;
}

inline std::string Describe(const Outcome& outcome) {
    char text[40];
    std::snprintf(text, sizeof text, "%04X:%016" PRIX64, static_cast<unsigned>(outcome.high),
                  outcome.low);
    return text;
}

inline std::string DescribeOperands(ExtendedOp op, const Operands& operands) {
    std::string text = OpName(op);
    if (op == ExtendedOp::kFromDouble) {
        return text + " " + Describe(Bits(operands.d));
    }
    if (op == ExtendedOp::kFromInteger) {
        return text + " " + std::to_string(operands.i);
    }
    text += " x=" + Describe(operands.x);
    if (IsBinary(op)) {
        text += " y=" + Describe(operands.y);
    }
    return text;
}

#ifdef PARABEL_HAS_HARDWARE_EXTENDED
// Empty when both implementations give the same bits; else a line with the
// operands and both results.
inline std::string Disagreement(ExtendedOp op, const Operands& operands) {
    const Outcome soft = Apply<SoftExtended>(op, operands);
    const Outcome hardware = Apply<HardwareExtended>(op, operands);
    if (soft == hardware) {
        return {};
    }
    return DescribeOperands(op, operands) + ": soft " + Describe(soft) + ", hardware " +
           Describe(hardware);
}
#endif

}  // namespace parabel::testing
