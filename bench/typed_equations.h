// The equations the solve-and-draw benchmarks time: the kinds people type,
// with two roots, one, none, and coefficients written in several ways.
#pragma once

namespace parabel {

inline constexpr const char* kTypedEquations[] = {
    "x^2-5x+6", "2x^2+3x-7.5",       "-0.5x^2+x+10", "x^2+x-1",           "3x^2-12",
    "x^2+2x+1", "1.5E3x^2-2x+0.001", "x^2+4",        "0.25x^2-3.75x+1.2", "-x^2+0.1x+0.02"};

}  // namespace parabel
