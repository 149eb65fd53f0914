// Rounding of extended values to integers, and the 32-bit wrap of pixel
// coordinates.
#pragma once

#include <cstdint>

#include "extended.h"

namespace parabel {

// Rounds to the nearest integer, ties to even (0.5 -> 0, 1.5 -> 2, -2.5 -> -2).
// Raises InvalidOperation when the rounded value lies outside -2^63 .. 2^63-1
// (so 2^63 - 0.5, which rounds to 2^63, fails; -2^63 is valid).
std::int64_t RoundToInteger(Extended value);

// The low 32 bits of a 64-bit integer read as a signed 32-bit value:
// 2^32 + 5 gives 5, 2^31 gives -2^31.
constexpr std::int32_t WrapToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

}  // namespace parabel
