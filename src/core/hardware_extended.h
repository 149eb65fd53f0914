// The x87 80-bit extended format computed by the x87 itself: a thin wrapper
// over long double with SoftExtended's interface, each operation one x87
// instruction at the unit's default settings (64-bit precision, round to
// nearest with ties to even, exceptions masked). It is the reference that
// SoftExtended is proved against, and exists only on x86.
#pragma once

#include <bit>
#include <cfloat>
#include <cstdint>
#include <type_traits>

namespace parabel {

#if defined(__x86_64__) || defined(__i386__)
#define PARABEL_HAS_HARDWARE_EXTENDED 1

static_assert(LDBL_MANT_DIG == 64, "long double must be the x87 80-bit extended format");

class HardwareExtended {
  public:
    static constexpr int kBias = 16383;

    constexpr HardwareExtended() = default;  // +0

    // As SoftExtended's: integers exactly, floating-point numbers never.
    template <typename Integer>
        requires std::is_integral_v<Integer> && (!std::is_same_v<Integer, bool>) &&
                 (std::is_signed_v<Integer> || sizeof(Integer) < sizeof(std::int64_t))
    constexpr HardwareExtended(Integer integer)  // NOLINT(google-explicit-constructor)
        : value_(static_cast<long double>(integer)) {}
    HardwareExtended(float) = delete;
    HardwareExtended(double) = delete;
    HardwareExtended(long double) = delete;

    // Constant evaluation accepts only patterns the compiler can read as
    // values (not unnormals or pseudo-denormals); at run time any pattern.
    static constexpr HardwareExtended FromFields(bool negative, std::uint16_t exponent,
                                                 std::uint64_t significand) {
        const std::uint16_t signExponent =
            static_cast<std::uint16_t>((exponent & 0x7FFF) | (negative ? 0x8000 : 0));
        return Wrap(std::bit_cast<long double>(Layout{significand, signExponent, {}}));
    }
    static constexpr HardwareExtended FromInteger(std::int64_t integer) {
        return Wrap(static_cast<long double>(integer));
    }
    static HardwareExtended FromDouble(double value) { return Wrap(value); }

    bool negative() const { return (Fields().signExponent & 0x8000) != 0; }
    std::uint16_t exponent() const { return Fields().signExponent & 0x7FFF; }
    std::uint64_t significand() const { return Fields().significand; }

    double ToDouble() const { return static_cast<double>(value_); }
    // fistp with the rounding control set to chop, as a cast compiles to;
    // written out, since a cast of a value beyond the int64 range is
    // undefined in C++ while the x87 gives the integer indefinite.
    std::int64_t ToInt64() const {
        const std::uint16_t saved = ControlWord();
        const std::uint16_t chop = saved | kChop;
        std::int64_t result;
        asm volatile("fldcw %[chop]\n\tfistpll %[result]\n\tfldcw %[saved]"
                     : [result] "=m"(result)
                     : "t"(value_), [chop] "m"(chop), [saved] "m"(saved)
                     : "st");
        return result;
    }

    friend HardwareExtended operator+(HardwareExtended a, HardwareExtended b) {
        return Wrap(a.value_ + b.value_);
    }
    friend HardwareExtended operator-(HardwareExtended a, HardwareExtended b) {
        return Wrap(a.value_ - b.value_);
    }
    friend HardwareExtended operator*(HardwareExtended a, HardwareExtended b) {
        return Wrap(a.value_ * b.value_);
    }
    friend HardwareExtended operator/(HardwareExtended a, HardwareExtended b) {
        return Wrap(a.value_ / b.value_);
    }
    constexpr HardwareExtended operator-() const { return Wrap(-value_); }
    friend HardwareExtended Abs(HardwareExtended a) {
        return Wrap(__builtin_fabsl(a.value_));
    }

    // fsqrt and frndint written out: the library calls that std::sqrt and
    // std::rint may become add error handling around the instruction.
    friend HardwareExtended SquareRoot(HardwareExtended a) {
        asm("fsqrt" : "+t"(a.value_));
        return a;
    }
    friend HardwareExtended RoundToIntegral(HardwareExtended a) {
        asm("frndint" : "+t"(a.value_));
        return a;
    }
    // frndint with the rounding control set to chop for that instruction.
    friend HardwareExtended Truncate(HardwareExtended a) {
        const std::uint16_t saved = ControlWord();
        const std::uint16_t chop = saved | kChop;
        asm volatile("fldcw %[chop]\n\tfrndint\n\tfldcw %[saved]"
                     : "+t"(a.value_)
                     : [chop] "m"(chop), [saved] "m"(saved));
        return a;
    }

    friend bool operator==(HardwareExtended a, HardwareExtended b) { return a.value_ == b.value_; }
    friend bool operator!=(HardwareExtended a, HardwareExtended b) { return a.value_ != b.value_; }
    friend bool operator<(HardwareExtended a, HardwareExtended b) { return a.value_ < b.value_; }
    friend bool operator<=(HardwareExtended a, HardwareExtended b) { return a.value_ <= b.value_; }
    friend bool operator>(HardwareExtended a, HardwareExtended b) { return a.value_ > b.value_; }
    friend bool operator>=(HardwareExtended a, HardwareExtended b) { return a.value_ >= b.value_; }

    // As comparisons, so that every pattern the x87 refuses as an operand
    // counts as a NaN, whatever the library's bit tests would say.
    friend bool IsNan(HardwareExtended a) { return a.value_ != a.value_; }
    friend bool IsInf(HardwareExtended a) { return __builtin_fabsl(a.value_) > LDBL_MAX; }
    friend bool IsFinite(HardwareExtended a) { return __builtin_fabsl(a.value_) <= LDBL_MAX; }
    friend bool SignBit(HardwareExtended a) { return a.negative(); }

  private:
    struct Raw {};
    constexpr HardwareExtended(Raw, long double value) : value_(value) {}
    static constexpr HardwareExtended Wrap(long double value) { return {Raw{}, value}; }

    static constexpr std::uint16_t kChop = 0x0C00;  // rounding control: towards zero

    static std::uint16_t ControlWord() {
        std::uint16_t word;
        asm volatile("fnstcw %0" : "=m"(word));
        return word;
    }

    // long double's bytes in memory (little-endian x86).
    struct Layout {
        std::uint64_t significand;
        std::uint16_t signExponent;
        unsigned char padding[sizeof(long double) - 10];
    };
    Layout Fields() const { return std::bit_cast<Layout>(value_); }

    long double value_ = 0;
};

#endif

}  // namespace parabel
