// The colours of a picture, when it has few enough for an indexed file, each
// given a number in order of first appearance.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace parabel {

class Palette {
  public:
    static constexpr int kMaxColors = 256;

    Palette() { numbers_.fill(kEmpty); }

    // The number of a pixel's colour (0xFFRRGGBB, the top byte ignored),
    // given it when new; -1 when it is new and the palette is full.
    int Add(std::uint32_t pixel);
    // The number of a pixel's colour, which must have been added.
    int NumberOf(std::uint32_t pixel) const;

    int size() const { return static_cast<int>(colors_.size()); }
    // The colours by number, each 0x00RRGGBB.
    const std::vector<std::uint32_t>& colors() const { return colors_; }

  private:
    // Open addressing with linear probing; twice the slots of the colours it
    // can hold, so a probe ends soon.
    static constexpr int kSlotBits = 9;
    static constexpr std::uint16_t kEmpty = 0xFFFF;

    // The slot that holds `color` (0x00RRGGBB), or the free one it would take.
    std::size_t SlotOf(std::uint32_t color) const;

    std::vector<std::uint32_t> colors_;
    std::array<std::uint32_t, 1 << kSlotBits> keys_{};
    std::array<std::uint16_t, 1 << kSlotBits> numbers_;
};

}  // namespace parabel
