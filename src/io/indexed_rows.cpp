#include "indexed_rows.h"

#include <algorithm>

#include "color_runs.h"
#include "packed_row.h"

namespace parabel {

bool IndexedRows::AddRow(std::span<const std::uint32_t> row) {
    const std::size_t start = ends_.size();
    for (std::size_t i = 0; i < row.size();) {
        const std::size_t end = ColorRunEnd(row.data(), i, row.size());
        const int number = palette_.Add(row[i]);
        if (number < 0) {
            GiveUpRuns();
            return false;
        }
        if (kept_) {
            if (ends_.size() == kMaxRuns) {
                GiveUpRuns();
            } else {
                ends_.push_back(static_cast<std::uint32_t>(end));
                numbers_.push_back(static_cast<std::uint8_t>(number));
            }
        }
        i = end;
    }
    if (!kept_) {
        return true;
    }
    // A row like the one above shares its runs; its own are dropped.
    const RunSpan own{start, ends_.size()};
    if (!rows_.empty() && SameRuns(rows_.back(), own)) {
        const RunSpan above = rows_.back();
        ends_.resize(start);
        numbers_.resize(start);
        rows_.push_back(above);
    } else {
        rows_.push_back(own);
    }
    return true;
}

bool IndexedRows::SameRuns(RunSpan a, RunSpan b) const {
    const auto at = [](std::size_t index) { return static_cast<std::ptrdiff_t>(index); };
    return a.end - a.begin == b.end - b.begin &&
           std::equal(ends_.begin() + at(a.begin), ends_.begin() + at(a.end),
                      ends_.begin() + at(b.begin)) &&
           std::equal(numbers_.begin() + at(a.begin), numbers_.begin() + at(a.end),
                      numbers_.begin() + at(b.begin));
}

void IndexedRows::GiveUpRuns() {
    kept_ = false;
    std::vector<std::uint32_t>().swap(ends_);
    std::vector<std::uint8_t>().swap(numbers_);
    std::vector<RunSpan>().swap(rows_);
}

void IndexedRows::PackRow(int y, int bits, std::uint8_t* out) const {
    std::size_t from = 0;
    for (std::size_t run = rows_[y].begin; run < rows_[y].end; ++run) {
        FillPacked(out, bits, from, ends_[run], numbers_[run]);
        from = ends_[run];
    }
}

}  // namespace parabel
