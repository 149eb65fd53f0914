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

bool Palette::AddRow(std::span<const std::uint32_t> row) {
    if (overflowed_) {
        return false;
    }
    for (std::size_t i = 0; i < row.size(); i = ColorRunEnd(row.data(), i, row.size())) {
        const std::uint32_t color = row[i] & kColorBits;
        const std::size_t slot = SlotOf(color);
        if (numbers_[slot] != kEmpty) {
            continue;
        }
        if (size() == kMaxColors) {
            overflowed_ = true;
            return false;
        }
        keys_[slot] = color;
        numbers_[slot] = static_cast<std::uint16_t>(colors_.size());
        colors_.push_back(color);
    }
    return true;
}

int Palette::NumberOf(std::uint32_t pixel) const {
    const std::size_t slot = SlotOf(pixel & kColorBits);
    assert(numbers_[slot] != kEmpty);
    return numbers_[slot];
}

}  // namespace parabel
