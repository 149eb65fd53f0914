// Division of SoftExtended values beyond the common case.
#include "soft_extended.h"
#include "soft_extended_unpack.h"

namespace parabel::soft {

SoftExtended DivideSpecial(SoftExtended a, SoftExtended b) {
    const Unpacked x = Unpack(a);
    const Unpacked y = Unpack(b);
    SoftExtended result;
    if (NonNumberResult(a, x.kind, b, y.kind, result)) {
        return result;
    }
    const bool negative = x.negative != y.negative;
    if (x.kind == y.kind && (x.kind == Kind::kZero || x.kind == Kind::kInfinity)) {
        return kIndefinite;  // 0 / 0 and infinity / infinity
    }
    if (x.kind == Kind::kInfinity || y.kind == Kind::kZero) {
        return Infinity(negative);
    }
    if (x.kind == Kind::kZero || y.kind == Kind::kInfinity) {
        return Zero(negative);
    }
    return DivideSignificands(negative, x.exponent, x.significand, y.exponent, y.significand);
}

// Below the normal range more of the quotient's fraction than its first bit
// reaches the rounding: the guard word is the next 64 bits of the quotient,
// long division by the divisor, with bit 0 set while a remainder is left.
SoftExtended DivideOutside(bool negative, std::int32_t exponent, std::uint64_t quotient,
                           std::uint64_t remainder, std::uint64_t divisor) {
    std::uint64_t guard = 0;
    for (int bit = 0; bit < 64; ++bit) {
        const bool carry = (remainder >> 63) != 0;
        remainder <<= 1;
        guard <<= 1;
        if (carry || remainder >= divisor) {
            remainder -= divisor;
            guard |= 1;
        }
    }
    return RoundPackOutside(negative, exponent, quotient, guard | (remainder != 0 ? 1 : 0));
}

}  // namespace parabel::soft
