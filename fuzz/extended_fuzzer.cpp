// SoftExtended against the x87 on arbitrary bit patterns.
//
// Input (shorter inputs are padded with zero bytes):
//   byte 0       the operation, modulo their count (see ExtendedOp)
//   bytes 1-10   x, an 80-bit pattern as in memory (little-endian), any
//                pattern: NaNs, denormals, unnormals, pseudo-denormals ...
//   bytes 11-20  y, likewise
// FromDouble reads the double in bytes 1-8, FromInteger the int64 in
// bytes 11-18.
//
// Property: SoftExtended and HardwareExtended give the same bits for every
// operation on every input.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "bit_patterns.h"
#include "fuzz_check.h"
#include "support/extended_agreement.h"

namespace parabel::fuzz {
namespace {

using testing::ExtendedOp;
using testing::Fields80;

constexpr std::size_t kInputSize = 21;

Fields80 FieldsFromBytes(const std::uint8_t* bytes) {
    const ExtendedBits bits = ExtendedBits::Of(ExtendedFromBytes(bytes));
    return {bits.negative, bits.exponent, bits.significand};
}

}  // namespace
}  // namespace parabel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace parabel::fuzz;
    std::uint8_t bytes[kInputSize] = {};
    std::memcpy(bytes, data, size < kInputSize ? size : kInputSize);
    const auto op = static_cast<ExtendedOp>(bytes[0] % parabel::testing::kExtendedOpCount);
    parabel::testing::Operands operands;
    operands.x = FieldsFromBytes(bytes + 1);
    operands.y = FieldsFromBytes(bytes + 11);
    std::memcpy(&operands.d, bytes + 1, sizeof operands.d);
    std::memcpy(&operands.i, bytes + 11, sizeof operands.i);
    const std::string difference = parabel::testing::Disagreement(op, operands);
    Check(difference.empty(), difference);
    return 0;
}
