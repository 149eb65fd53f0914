// The floating-point environment that the program's arithmetic needs, which
// the process may not keep: a library loaded into it (one preloaded by the
// user, a toolkit plug-in, an input method, a graphics or printer driver)
// can lower the x87's precision to 53 bits or change its rounding, and every
// 80-bit result would change with it. The program sets the environment at
// start-up and again after every call that may have run such code, never
// trusting the one it inherits.
#pragma once

namespace parabel {

// Sets the environment: on the x87, 64-bit precision, rounding to nearest
// with ties to even and every exception masked (the checked operations tell
// a fault by its infinite or NaN result); for doubles, rounding to nearest
// without flushing denormals to zero. The software arithmetic depends on
// none of it, but its doubles are kept the same way.
void UseProgramArithmetic();

// True when the environment is the one UseProgramArithmetic sets.
bool ProgramArithmeticInUse();

}  // namespace parabel
