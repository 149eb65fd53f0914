// The colours of a picture, when it has few enough for an indexed file:
// found a row at a time, each given a number in order of first appearance.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace parabel {

class Palette {
  public:
    static constexpr int kMaxColors = 256;

    Palette() { numbers_.fill(kEmpty); }

    // Takes in the colours of a row of pixels 0xFFRRGGBB (the top byte is
    // ignored). False once the rows so far hold more than kMaxColors colours,
    // for that row and every one after: the palette is then of no use.
    bool AddRow(std::span<const std::uint32_t> row);

    int size() const { return static_cast<int>(colors_.size()); }
    // The colours by number, each 0x00RRGGBB.
    const std::vector<std::uint32_t>& colors() const { return colors_; }

    // The number of a pixel's colour, which must have been added.
    int NumberOf(std::uint32_t pixel) const;

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
    bool overflowed_ = false;
};

}  // namespace parabel
