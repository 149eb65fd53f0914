// Checked extended arithmetic. Each function performs exactly one rounded
// operation of the 80-bit format and raises the fault of that operation at
// once, so a calculation stops where it goes wrong.
//
// Invariant: no infinity or NaN is ever a valid operand, so an infinite or NaN
// result (together with the operands) tells which fault happened; no
// floating-point status flags are read.
#pragma once

#include <cmath>

#include "errors.h"
#include "extended.h"

namespace parabel {

namespace detail {
inline Extended CheckFinite(Extended result) {
    if (IsNan(result)) {
        throw InvalidOperation();
    }
    if (IsInf(result)) {
        throw Overflow();
    }
    return result;
}
}  // namespace detail

inline Extended Add(Extended a, Extended b) {
    return detail::CheckFinite(a + b);
}
inline Extended Sub(Extended a, Extended b) {
    return detail::CheckFinite(a - b);
}
inline Extended Mul(Extended a, Extended b) {
    return detail::CheckFinite(a * b);
}

inline Extended Div(Extended a, Extended b) {
    if (b == 0) {
        if (a == 0) {
            throw InvalidOperation();
        }
        throw DivisionByZero();
    }
    return detail::CheckFinite(a / b);
}

// The root of -0 is -0; any value below zero is invalid.
inline Extended Sqrt(Extended a) {
    if (a < 0) {
        throw InvalidOperation();
    }
    return SquareRoot(a);
}

// Narrowing to double rounds to nearest, ties to even; a result beyond the
// largest finite double overflows, one below the smallest normal double comes
// out denormal or 0 without error.
inline double ToDouble(Extended a) {
    const double result = a.ToDouble();
    if (std::isinf(result)) {
        throw Overflow();
    }
    return result;
}

}  // namespace parabel
