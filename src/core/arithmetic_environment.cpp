#include "arithmetic_environment.h"

#include <cfenv>
#include <cstdint>

namespace parabel {

namespace {

#if defined(__x86_64__) || defined(__i386__)
// The x87 control word at its default: every exception masked, 64-bit
// precision (bits 8-9), rounding to nearest (bits 10-11). The SSE unit's
// MXCSR at its default: every exception masked, rounding to nearest,
// neither flush-to-zero nor denormals-are-zero.
constexpr std::uint16_t kControlWord = 0x037F;
constexpr std::uint32_t kMxcsr = 0x1F80;
constexpr std::uint32_t kMxcsrControlBits = 0xFFC0;  // without the status flags

std::uint16_t ControlWord() {
    std::uint16_t word;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

std::uint32_t Mxcsr() {
    std::uint32_t mxcsr = kMxcsr;
#if defined(__SSE__)
    asm volatile("stmxcsr %0" : "=m"(mxcsr));
#endif
    return mxcsr;
}
#endif

}  // namespace

void UseProgramArithmetic() {
#if defined(__x86_64__) || defined(__i386__)
    // Both words written whole, so no bit a library set (a denormal trap,
    // flush-to-zero) survives.
    const std::uint16_t controlWord = kControlWord;
    asm volatile("fclex\n\tfldcw %0" : : "m"(controlWord));
#if defined(__SSE__)
    const std::uint32_t mxcsr = kMxcsr;
    asm volatile("ldmxcsr %0" : : "m"(mxcsr));
#endif
#else
    std::fesetenv(FE_DFL_ENV);
#endif
}

bool ProgramArithmeticInUse() {
#if defined(__x86_64__) || defined(__i386__)
    return ControlWord() == kControlWord && (Mxcsr() & kMxcsrControlBits) == kMxcsr;
#else
    return std::fegetround() == FE_TONEAREST;
#endif
}

}  // namespace parabel
