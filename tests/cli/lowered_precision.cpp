// A library that, loaded before the program, lowers the x87's precision to
// 53 bits, as a preloaded library, a plug-in or a driver may: the program
// must set its own arithmetic again and give the same outputs.
#include <cstdint>

namespace {

__attribute__((constructor)) void LowerThePrecision() {
    const std::uint16_t doublePrecision = 0x027F;  // 53-bit significand, else the default
    asm volatile("fldcw %0" : : "m"(doublePrecision));
}

}  // namespace
