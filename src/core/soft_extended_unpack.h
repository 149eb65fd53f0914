// Taking SoftExtended patterns apart for the arithmetic: what kind of operand
// a pattern is to the x87, its value with a normalised significand, and the
// NaN results that do not depend on the operation.
#pragma once

#include <bit>
#include <cstdint>

#include "soft_extended.h"

namespace parabel::soft {

constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 62;
constexpr std::uint16_t kSpecialExponent = 0x7FFF;

// The x87 refuses unnormals, pseudo-infinities and pseudo-NaNs (integer bit
// clear with a non-zero exponent) as invalid operands; it takes
// pseudo-denormals (exponent 0, integer bit set) as the denormals they
// stand for.
enum class Kind : std::uint8_t { kZero, kFinite, kInfinity, kNaN, kInvalid };

// For kFinite, value = significand * 2^(exponent - kBias - 63) with bit 63
// of the significand set: the exponent field for normal values, below 1 for
// denormals.
struct Unpacked {
    Kind kind;
    bool negative;
    std::int32_t exponent;
    std::uint64_t significand;
};

inline Unpacked Unpack(SoftExtended a) {
    const std::uint16_t field = a.exponent();
    const std::uint64_t significand = a.significand();
    Unpacked result{Kind::kFinite, a.negative(), field, significand};
    if (field == kSpecialExponent) {
        if ((significand & kIntegerBit) == 0) {
            result.kind = Kind::kInvalid;
        } else {
            result.kind = significand == kIntegerBit ? Kind::kInfinity : Kind::kNaN;
        }
    } else if (field == 0) {
        if (significand == 0) {
            result.kind = Kind::kZero;
        } else {
            // Exponent 0 scales like exponent 1, without the integer bit.
            const int shift = std::countl_zero(significand);
            result.significand = significand << shift;
            result.exponent = 1 - shift;
        }
    } else if ((significand & kIntegerBit) == 0) {
        result.kind = Kind::kInvalid;
    }
    return result;
}

// The default NaN ("real indefinite") of an invalid operation.
constexpr SoftExtended kIndefinite =
    SoftExtended::FromFields(true, kSpecialExponent, 0xC000'0000'0000'0000);

constexpr SoftExtended Infinity(bool negative) {
    return SoftExtended::FromFields(negative, kSpecialExponent, kIntegerBit);
}

constexpr SoftExtended Zero(bool negative) {
    return SoftExtended::FromFields(negative, 0, 0);
}

constexpr SoftExtended Quieted(SoftExtended nan) {
    return SoftExtended::FromFields(nan.negative(), nan.exponent(), nan.significand() | kQuietBit);
}

// The NaN an operation on two operands delivers when one of them is a NaN
// (neither being invalid): that NaN, or of two NaNs the one with the larger
// significand, the positive one when both significands are equal; quiet.
inline SoftExtended ChooseNaN(SoftExtended a, Kind aKind, SoftExtended b, Kind bKind) {
    if (aKind != Kind::kNaN) {
        return Quieted(b);
    }
    if (bKind != Kind::kNaN) {
        return Quieted(a);
    }
    if (a.significand() != b.significand()) {
        return Quieted(a.significand() > b.significand() ? a : b);
    }
    return Quieted(a.negative() ? b : a);
}

// The result of a one-operand operation on an invalid operand or a NaN;
// false for numbers.
inline bool NonNumberResult(SoftExtended a, Kind kind, SoftExtended& result) {
    if (kind == Kind::kInvalid) {
        result = kIndefinite;
        return true;
    }
    if (kind == Kind::kNaN) {
        result = Quieted(a);
        return true;
    }
    return false;
}

// The result of a two-operand operation when an operand is invalid or NaN;
// false when both are numbers (zeros, finite values or infinities).
inline bool NonNumberResult(SoftExtended a, Kind aKind, SoftExtended b, Kind bKind,
                            SoftExtended& result) {
    if (aKind == Kind::kInvalid || bKind == Kind::kInvalid) {
        result = kIndefinite;
        return true;
    }
    if (aKind == Kind::kNaN || bKind == Kind::kNaN) {
        result = ChooseNaN(a, aKind, b, bKind);
        return true;
    }
    return false;
}

}  // namespace parabel::soft
