// The typed errors of the program. Each carries its exact message text, which
// is what the general error report shows.
#pragma once

#include <stdexcept>
#include <string>

namespace parabel {

// A text that is no number, or a number beyond the range of its type.
class EConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The common base of the arithmetic faults.
class EMathError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Zero divided by zero, square root of a negative value, rounding outside the
// signed 64-bit range.
class EInvalidOp : public EMathError {
  public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

// A finite non-zero value divided by zero.
class EZeroDivide : public EMathError {
  public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

// A result beyond the largest finite value of its format.
class EOverflow : public EMathError {
  public:
    EOverflow() : EMathError("Floating point overflow") {}
};

}  // namespace parabel
