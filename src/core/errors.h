// The typed errors of the program. Each carries its exact message text, which
// is what the general error report shows.
#pragma once

#include <stdexcept>
#include <string>

namespace parabel {

// A text that is no number, or a number beyond the range of its type.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The common base of the arithmetic faults.
class ArithmeticError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Zero divided by zero, square root of a negative value, rounding outside the
// signed 64-bit range.
class InvalidOperation : public ArithmeticError {
  public:
    InvalidOperation() : ArithmeticError("Invalid floating point operation") {}
};

// A finite non-zero value divided by zero.
class DivisionByZero : public ArithmeticError {
  public:
    DivisionByZero() : ArithmeticError("Floating point division by zero") {}
};

// A result beyond the largest finite value of its format.
class Overflow : public ArithmeticError {
  public:
    Overflow() : ArithmeticError("Floating point overflow") {}
};

}  // namespace parabel
