// The square root of a SoftExtended value.
#include <cmath>

#include "soft_extended.h"
#include "soft_extended_round.h"
#include "soft_extended_unpack.h"

namespace parabel {

namespace {

using soft::Kind;
using soft::Uint128;

// floor(sqrt(n)) for 2^126 <= n < 2^128. The double square root of the top
// bits gives a start within about 2^32 of it; one integer Newton step, which
// never lands below the root, brings that within a few units, and exact
// integer checks step down the rest, so the result does not depend on how
// the platform rounds doubles.
std::uint64_t IntegerSquareRoot(Uint128 n) {
    const double top = static_cast<double>(static_cast<std::uint64_t>(n >> 64));
    Uint128 root = Uint128{static_cast<std::uint64_t>(std::sqrt(top))} << 32;
    root = (root + n / root) / 2;
    constexpr std::uint64_t kLargest = ~std::uint64_t{0};
    if (root > kLargest) {
        root = kLargest;  // so that its square fits 128 bits
    }
    while (root * root > n) {
        --root;
    }
    return static_cast<std::uint64_t>(root);
}

}  // namespace

SoftExtended SquareRoot(SoftExtended a) {
    const soft::Unpacked x = soft::Unpack(a);
    SoftExtended result;
    if (soft::NonNumberResult(a, x.kind, result)) {
        return result;
    }
    // The roots of -0 and +0 are themselves, and so is that of +infinity.
    if (x.kind == Kind::kZero || (x.kind == Kind::kInfinity && !x.negative)) {
        return a;
    }
    if (x.negative) {
        return soft::kIndefinite;
    }
    // a = m * 2^(2k) with m = significand * 2^64 or 2^63 so that the power is
    // even; its root, between 2^63 and 2^64, is rounded from the remainder:
    // the root lies above root + 1/2 exactly when the remainder exceeds the
    // root (an exact half is impossible).
    const bool oddExponent = (x.exponent & 1) != 0;
    const Uint128 m = Uint128{x.significand} << (oddExponent ? 64 : 63);
    const std::int32_t twiceK = x.exponent - (oddExponent ? 127 : 126);
    const std::uint64_t root = IntegerSquareRoot(m);
    const Uint128 remainder = m - Uint128{root} * root;
    const Uint128 below = (remainder > root ? Uint128{1} << 63 : 0) | (remainder != 0 ? 1 : 0);
    return soft::RoundPackExtended(false, twiceK / 2 + 63, (Uint128{root} << 64) | below);
}

}  // namespace parabel
