// Division of SoftExtended values.
#include "soft_extended.h"
#include "soft_extended_round.h"
#include "soft_extended_unpack.h"

namespace parabel {

namespace {

using soft::Kind;
using soft::Uint128;

// The quotient of two normalised significands, a / b * 2^63, as 64 bits
// above the binary point and a sticky fraction below it: the fraction's
// first two bits and a bit 0 set when more follow, which is all that
// rounding can look at.
Uint128 SignificandQuotient(std::uint64_t a, std::uint64_t b) {
    const Uint128 dividend = Uint128{a} << 63;
    const auto quotient = static_cast<std::uint64_t>(dividend / b);  // 2^62 < q < 2^64
    const Uint128 quarters = (dividend % b) << 2;
    const std::uint64_t digit =
        quarters >= Uint128{b} * 2 ? (quarters >= Uint128{b} * 3 ? 3 : 2) : (quarters >= b ? 1 : 0);
    const bool more = quarters != Uint128{b} * digit;
    return (Uint128{quotient} << 64) | (Uint128{digit} << 62) | (more ? 1 : 0);
}

}  // namespace

SoftExtended operator/(SoftExtended a, SoftExtended b) {
    const soft::Unpacked x = soft::Unpack(a);
    const soft::Unpacked y = soft::Unpack(b);
    SoftExtended result;
    if (soft::NonNumberResult(a, x.kind, b, y.kind, result)) {
        return result;
    }
    const bool negative = x.negative != y.negative;
    if (x.kind == y.kind && (x.kind == Kind::kZero || x.kind == Kind::kInfinity)) {
        return soft::kIndefinite;  // 0 / 0 and infinity / infinity
    }
    if (x.kind == Kind::kInfinity || y.kind == Kind::kZero) {
        return soft::Infinity(negative);
    }
    if (x.kind == Kind::kZero || y.kind == Kind::kInfinity) {
        return soft::Zero(negative);
    }
    // (a / b * 2^63) * 2^(ea-eb-63), the quotient holding 64 bits above
    // bit 64 of the 128: the exponent of bit 127 is ea - eb.
    const Uint128 quotient = SignificandQuotient(x.significand, y.significand);
    return soft::RoundPackExtended(negative, x.exponent - y.exponent, quotient);
}

}  // namespace parabel
