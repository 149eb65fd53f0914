// std::bit_cast for every standard library the program is built with: the
// WebAssembly build's (LLVM 14's libc++, in Emscripten 3.1.6) has none yet,
// so the compilers' own builtin, which std::bit_cast is made of, does it.
#pragma once

#include <type_traits>

namespace parabel {

// The bits of `from` read as a To of the same size.
template <typename To, typename From>
constexpr To BitCast(const From& from) noexcept {
    static_assert(sizeof(To) == sizeof(From), "BitCast changes the type, not the size");
    static_assert(std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>);
    return __builtin_bit_cast(To, from);
}

}  // namespace parabel
