#include "palette.h"

#include <cassert>

#include "color_runs.h"

namespace parabel {

std::size_t Palette::SlotOf(std::uint32_t color) const {
    constexpr std::size_t kMask = (1 << kSlotBits) - 1;
    // Fibonacci hashing: the top bits of the product spread near colours apart.
    for (std::size_t slot = (color * 0x9E3779B1u) >> (32 - kSlotBits);; slot = (slot + 1) & kMask) {
        if (numbers_[slot] == kEmpty || keys_[slot] == color) {
            return slot;
        }
    }
}

int Palette::Add(std::uint32_t pixel) {
    const std::uint32_t color = pixel & kColorBits;
    const std::size_t slot = SlotOf(color);
    if (numbers_[slot] != kEmpty) {
        return numbers_[slot];
    }
    if (size() == kMaxColors) {
        return -1;
    }
    keys_[slot] = color;
    numbers_[slot] = static_cast<std::uint16_t>(colors_.size());
    colors_.push_back(color);
    return numbers_[slot];
}

int Palette::NumberOf(std::uint32_t pixel) const {
    const std::size_t slot = SlotOf(pixel & kColorBits);
    assert(numbers_[slot] != kEmpty);
    return numbers_[slot];
}

}  // namespace parabel
