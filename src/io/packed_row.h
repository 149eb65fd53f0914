// A row of small numbers packed into bytes as PNG stores palette indices:
// `bits` (1, 2, 4 or 8) bits each, the leftmost in the high bits of a byte.
#pragma once

#include <cstddef>
#include <cstdint>

namespace parabel {

// Bytes of a packed row of `count` numbers.
constexpr std::size_t PackedRowBytes(std::size_t count, int bits) {
    return (count * static_cast<std::size_t>(bits) + 7) / 8;
}

// Sets positions from .. to - 1 of the packed row to `number`, leaving the
// others as they are. Whole bytes inside the range are filled at once, so a
// long run costs about a memset.
void FillPacked(std::uint8_t* row, int bits, std::size_t from, std::size_t to, unsigned number);

}  // namespace parabel
