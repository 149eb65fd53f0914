// Conversions between SoftExtended and double and int64, beyond the common
// case for the narrowing ones.
#include <bit>
#include <limits>

#include "bit_cast.h"
#include "soft_extended.h"
#include "soft_extended_round.h"
#include "soft_extended_unpack.h"

namespace parabel {

namespace {

constexpr int kDoubleFractionBits = 52;
constexpr std::uint64_t kDoubleFractionMask = (std::uint64_t{1} << kDoubleFractionBits) - 1;
constexpr std::uint64_t kDoubleSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kDoubleSpecialExponent = 0x7FF;
// The extended significand's bits below the double's fraction.
constexpr int kNarrowedBits = 63 - kDoubleFractionBits;

double DoubleFromFields(bool negative, std::uint64_t exponent, std::uint64_t fraction) {
    return BitCast<double>((negative ? kDoubleSignBit : 0) | (exponent << kDoubleFractionBits) |
                           fraction);
}

}  // namespace

SoftExtended SoftExtended::FromDouble(double value) {
    const auto bits = BitCast<std::uint64_t>(value);
    const bool negative = (bits & kDoubleSignBit) != 0;
    const std::uint64_t field = (bits >> kDoubleFractionBits) & kDoubleSpecialExponent;
    const std::uint64_t fraction = bits & kDoubleFractionMask;
    if (field == kDoubleSpecialExponent) {
        // Infinity, or a NaN keeping its payload, made quiet.
        const std::uint64_t quiet = fraction != 0 ? soft::kQuietBit : 0;
        return FromFields(negative, soft::kSpecialExponent,
                          soft::kIntegerBit | quiet | (fraction << kNarrowedBits));
    }
    if (field == 0) {
        if (fraction == 0) {
            return soft::Zero(negative);
        }
        // A denormal double is a normal extended: fraction * 2^-1074.
        const int shift = std::countl_zero(fraction);
        return FromFields(negative, static_cast<std::uint16_t>(kBias - 1074 + 63 - shift),
                          fraction << shift);
    }
    return FromFields(negative, static_cast<std::uint16_t>(field - 1023 + kBias),
                      soft::kIntegerBit | (fraction << kNarrowedBits));
}

namespace soft {

double ToDoubleSpecial(SoftExtended a) {
    const Unpacked x = Unpack(a);
    switch (x.kind) {
        case Kind::kInvalid:
            return DoubleFromFields(true, kDoubleSpecialExponent, std::uint64_t{1} << 51);
        case Kind::kNaN:
            // Quiet, keeping the payload's top bits.
            return DoubleFromFields(
                x.negative, kDoubleSpecialExponent,
                ((x.significand | kQuietBit) >> kNarrowedBits) & kDoubleFractionMask);
        case Kind::kInfinity:
            return DoubleFromFields(x.negative, kDoubleSpecialExponent, 0);
        case Kind::kZero:
            return DoubleFromFields(x.negative, 0, 0);
        case Kind::kFinite:
            break;
    }
    const Packed packed = RoundPackFormat(kDoubleFormat, x.exponent, x.significand, 0);
    return DoubleFromFields(x.negative, packed.exponent, packed.significand & kDoubleFractionMask);
}

std::int64_t ToInt64Special(SoftExtended a) {
    constexpr std::int64_t kIndefinite = std::numeric_limits<std::int64_t>::min();
    const Unpacked x = Unpack(a);
    const std::int32_t power = x.exponent - kBias;
    if (x.kind == Kind::kZero || (x.kind == Kind::kFinite && power < 0)) {
        return 0;
    }
    // At 2^63 and beyond nothing fits but -2^63, which is the indefinite.
    if (x.kind != Kind::kFinite || power >= 63) {
        return kIndefinite;
    }
    const std::uint64_t magnitude = x.significand >> (63 - power);
    return static_cast<std::int64_t>(x.negative ? 0 - magnitude : magnitude);
}

}  // namespace soft

}  // namespace parabel
