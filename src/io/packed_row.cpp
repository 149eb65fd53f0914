#include "packed_row.h"

#include <cassert>
#include <cstring>

namespace parabel {

namespace {

void SetField(std::uint8_t* row, int bits, std::size_t at, unsigned number) {
    const std::size_t perByte = 8 / static_cast<std::size_t>(bits);
    const int shift = 8 - bits * static_cast<int>(at % perByte + 1);
    const unsigned mask = ((1u << bits) - 1) << shift;
    std::uint8_t& byte = row[at / perByte];
    byte = static_cast<std::uint8_t>((byte & ~mask) | (number << shift));
}

}  // namespace

void FillPacked(std::uint8_t* row, int bits, std::size_t from, std::size_t to, unsigned number) {
    assert(bits == 1 || bits == 2 || bits == 4 || bits == 8);
    assert(number < (1u << bits));
    const std::size_t perByte = 8 / static_cast<std::size_t>(bits);
    for (; from < to && from % perByte != 0; ++from) {
        SetField(row, bits, from, number);
    }
    const std::size_t wholeBytes = (to - from) / perByte;
    if (wholeBytes > 0) {
        // The number repeated in every field of a byte: 0xFF / (2^bits - 1)
        // is 0xFF, 0x55, 0x11 or 0x01.
        const unsigned pattern = number * (0xFFu / ((1u << bits) - 1));
        std::memset(row + from / perByte, static_cast<int>(pattern), wholeBytes);
        from += wholeBytes * perByte;
    }
    for (; from < to; ++from) {
        SetField(row, bits, from, number);
    }
}

}  // namespace parabel
