// A picture read once for an indexed file: its palette, and its rows kept as
// runs of palette numbers, so that writing them needs no second reading of
// the picture. Plot pictures are a few runs a row; the runs are given up
// (and the rows must be read again) when they would take more memory than a
// fixed budget, which keeps a picture of many short runs from being copied.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "palette.h"

namespace parabel {

class IndexedRows {
  public:
    // Runs kept at most, 5 bytes each.
    static constexpr std::size_t kMaxRuns = std::size_t{1} << 17;

    // Takes in the next row of pixels 0xFFRRGGBB (the top byte ignored).
    // False once the rows so far have more colours than a palette holds; the
    // picture then needs a file of another kind.
    bool AddRow(std::span<const std::uint32_t> row);

    const Palette& palette() const { return palette_; }
    // Whether every row added is kept as runs.
    bool kept() const { return kept_; }
    // Whether kept row y (y > 0) is the same as row y - 1.
    bool SameAsAbove(int y) const { return rows_[y].begin == rows_[y - 1].begin; }
    // Writes kept row y as `bits`-bit palette numbers (see packed_row.h).
    void PackRow(int y, int bits, std::uint8_t* out) const;

  private:
    struct RunSpan {
        std::size_t begin;
        std::size_t end;
    };

    bool SameRuns(RunSpan a, RunSpan b) const;
    void GiveUpRuns();

    Palette palette_;
    bool kept_ = true;
    // The runs of all kept rows, in order: where each ends and its number.
    std::vector<std::uint32_t> ends_;
    std::vector<std::uint8_t> numbers_;
    // Where each row's runs lie in ends_; a row like the one above shares
    // its runs.
    std::vector<RunSpan> rows_;
};

}  // namespace parabel
