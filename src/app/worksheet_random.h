// The worksheet's own pseudo-random numbers: SplitMix64 and a range
// reduction of plain integer arithmetic, so that a seed gives the same
// equations on every processor, arithmetic and face. No standard-library
// distribution takes part: their results differ between libraries. Each
// number is drawn in a statement of its own, never two among one call's
// arguments, whose order of evaluation differs between compilers.
#pragma once

#include <cstdint>
#include <span>

namespace parabel {

class WorksheetRandom {
  public:
    explicit WorksheetRandom(std::uint64_t seed) : state_(seed) {}

    // The next 64 bits of the sequence.
    std::uint64_t Next();

    // A whole number from `low` to `high`, both included (low <= high, a
    // span of at most 2^32): the remainder of 64 random bits, whose bias is
    // below 2^-32 for any span used here.
    int Between(int low, int high);

    // One of `choices` (not empty), each as likely as the next.
    int OneOf(std::span<const int> choices);

  private:
    std::uint64_t state_;
};

// The stream of one variant of a sheet: the seed and the variant mixed into
// one starting state, so that variant 2 is the same whether the sheet has
// two variants or four.
WorksheetRandom VariantRandom(std::uint32_t seed, int variant);

}  // namespace parabel
