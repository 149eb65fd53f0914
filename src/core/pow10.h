// Powers of ten in extended precision and the three-step scaling that both
// number conversions use.
#pragma once

#include "extended.h"

namespace parabel {

// T0[i] = 10^i for i = 0 .. 31.
extern const Extended kPow10Small[32];
// T1[j] = 10^(32 j) for j = 1 .. 15; entry 0 is unused (1).
extern const Extended kPow10Medium[16];
// T2[k] = 10^(512 k) for k = 1 .. 9; entry 0 is unused (1).
extern const Extended kPow10Large[10];

// Every entry is the extended value nearest to the exact power (ties to even);
// 10^0 .. 10^27 are exact.

// v * 10^n in at most three rounded operations:
//   n = 0          v unchanged
//   n >= 5120      +infinity;   n <= -5120   0   (no fault either way)
//   otherwise, m = |n|: v times (or divided by, for n < 0) T0[m mod 32],
//   then T1[(m div 32) mod 16] when that index is not 0, then T2[m div 512]
//   when that index is not 0; each step rounded to nearest, ties to even.
// Overflow and underflow are not checked here: the result is infinite,
// denormal or 0 as the rounded operations give it.
Extended ScaleByPowerOfTen(Extended v, int n);

}  // namespace parabel
