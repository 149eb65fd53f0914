// Runs of one colour in a row of pixels 0xFFRRGGBB, the top byte ignored:
// plot pictures are long runs of a handful of colours, so the encoders walk
// them run by run rather than pixel by pixel.
#pragma once

#include <cstddef>
#include <cstdint>

namespace parabel {

constexpr std::uint32_t kColorBits = 0x00FFFFFF;

// The end of the run that starts at row[from] (from < count): the first
// position after it whose colour differs, or count.
inline std::size_t ColorRunEnd(const std::uint32_t* row, std::size_t from, std::size_t count) {
    const std::uint32_t color = row[from];
    std::size_t i = from + 1;
    // Blocks of a fixed size, which the compiler turns into vector compares.
    constexpr std::size_t kBlock = 16;
    while (i + kBlock <= count) {
        std::uint32_t differs = 0;
        for (std::size_t k = 0; k < kBlock; ++k) {
            differs |= row[i + k] ^ color;
        }
        if ((differs & kColorBits) != 0) {
            break;
        }
        i += kBlock;
    }
    while (i < count && ((row[i] ^ color) & kColorBits) == 0) {
        ++i;
    }
    return i;
}

}  // namespace parabel
