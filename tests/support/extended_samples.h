// Operands for comparing the extended implementations: hand-picked edge
// patterns, and a seeded generator whose operands land on the paths where
// the arithmetic can go wrong (ties, cancellation, the denormal range,
// overflow, the double and int64 boundaries), not only on NaNs.
#pragma once

#include <bit>
#include <cstdint>
#include <vector>

#include "core/bit_cast.h"
#include "extended_agreement.h"

namespace parabel::testing {

constexpr std::uint64_t kTop = std::uint64_t{1} << 63;
constexpr std::uint64_t kOnes = ~std::uint64_t{0};
constexpr int kBias = SoftExtended::kBias;

// Positive edge patterns; both signs of each are used.
inline const std::vector<Fields80>& EdgePatterns() {
    static const std::vector<Fields80> patterns = {
        {false, 0, 0},                                 // zero
        {false, 0, 1},                                 // smallest denormal
        {false, 0, 3},                                 // three denormal units
        {false, 0, kOnes >> 1},                        // largest denormal
        {false, 0, kTop},                              // pseudo-denormal, = smallest normal
        {false, 0, kOnes},                             // pseudo-denormal
        {false, 1, kTop},                              // smallest normal
        {false, 1, kTop | 1},                          //
        {false, 0x7FFE, kOnes},                        // largest finite
        {false, 0x7FFE, kOnes - 1},                    //
        {false, 0x7FFF, kTop},                         // infinity
        {false, 0x7FFF, 0xC000'0000'0000'0000},        // quiet NaN, the indefinite's bits
        {false, 0x7FFF, 0xC000'0000'0000'0001},        // quiet NaN
        {false, 0x7FFF, 0xFFFF'FFFF'FFFF'FFFF},        // quiet NaN, largest payload
        {false, 0x7FFF, 0x8000'0000'0000'0001},        // signalling NaN
        {false, 0x7FFF, 0xBFFF'FFFF'FFFF'FFFF},        // signalling NaN
        {false, 0x7FFF, 0},                            // pseudo-infinity
        {false, 0x7FFF, 0x4000'0000'0000'0001},        // pseudo-NaN
        {false, kBias, 0},                             // pseudo-zero (unnormal)
        {false, kBias, kTop >> 1},                     // unnormal 0.5
        {false, kBias, kTop},                          // 1
        {false, kBias, kTop | 1},                      // 1 + ulp
        {false, kBias - 1, kOnes},                     // 1 - ulp/2
        {false, kBias - 1, kTop},                      // 0.5
        {false, kBias - 1, 0xC000'0000'0000'0000},     // 0.75
        {false, kBias, 0xC000'0000'0000'0000},         // 1.5
        {false, kBias + 1, 0xA000'0000'0000'0000},     // 2.5
        {false, kBias + 1, 0xC000'0000'0000'0000},     // 3
        {false, kBias - 64, kTop},                     // 2^-64, half an ulp of 1
        {false, kBias - 64, kTop | 1},                 // just above it
        {false, kBias - 63, 0xC000'0000'0000'0000},    // 3 * 2^-64
        {false, kBias + 3, 0xA000'0000'0000'0000},     // 10
        {false, kBias - 4, 0xCCCC'CCCC'CCCC'CCCD},     // 0.1
        {false, kBias - 4, 0xCCCC'CCCC'CCCC'CCCC},     // 0.1 - ulp
        {false, kBias + 59, 0xDE0B'6B3A'7640'0000},    // 10^18
        {false, kBias + 62, kOnes},                    // 2^63 - 1
        {false, kBias + 63, kTop},                     // 2^63
        {false, kBias + 63, kTop | 1},                 // 2^63 + 1
        {false, kBias + 1023, 0xFFFF'FFFF'FFFF'F800},  // largest double
        {false, kBias + 1023, 0xFFFF'FFFF'FFFF'FC00},  // halfway to 2^1024
        {false, kBias - 1022, kTop},                   // smallest normal double
        {false, kBias - 1074, kTop},                   // smallest denormal double
        {false, kBias - 1075, kTop},                   // half of it
        {false, kBias - 1074, 0xC000'0000'0000'0000},  // 1.5 of it
        {false, kBias + 31, 0xB504'F333'F9DE'6484},    // about sqrt(2^63)
        {false, kBias + 8191, kTop},                   // 2^8191
        {false, kBias - 8191, kTop},                   // 2^-8191
    };
    return patterns;
}

// A splitmix64 stream: fast, and the same on every platform.
class SplitMix {
  public:
    explicit SplitMix(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E37'79B9'7F4A'7C15);
        z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9;
        z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EB;
        return z ^ (z >> 31);
    }
    // 0 .. n - 1
    std::uint64_t Below(std::uint64_t n) { return Next() % n; }

  private:
    std::uint64_t state_;
};

class OperandSampler {
  public:
    explicit OperandSampler(std::uint64_t seed) : random_(seed) {}

    Operands Next(ExtendedOp op) {
        Operands operands;
        operands.x = First(op);
        operands.y = Second(op, operands.x);
        operands.d = BitCast<double>(DoublePattern());
        operands.i = IntegerOperand();
        return operands;
    }

  private:
    // A significand: random, few bits on top (so that products and roots
    // come out exact or as ties), a power of two with one bit flipped, or a
    // run of ones on top or at the bottom (carries through every bit).
    std::uint64_t Significand() {
        const std::uint64_t bits = random_.Next();
        switch (random_.Below(4)) {
            case 0:
                return bits & (kOnes << random_.Below(64));
            case 1:
                return (kTop >> random_.Below(3)) ^
                       (bits & (std::uint64_t{1} << random_.Below(64)));
            case 2:
                return random_.Below(2) == 0 ? kOnes << random_.Below(64)
                                             : kOnes >> random_.Below(64);
            default:
                return bits;
        }
    }

    // A pattern as arithmetic produces it: the integer bit follows the
    // exponent.
    Fields80 Canonical(int exponent) {
        Fields80 value{random_.Below(2) == 1, static_cast<std::uint16_t>(exponent), Significand()};
        value.significand = exponent == 0 ? value.significand & ~kTop : value.significand | kTop;
        return value;
    }

    Fields80 Edge() {
        const std::vector<Fields80>& edges = EdgePatterns();
        Fields80 value = edges[random_.Below(edges.size())];
        value.negative = random_.Below(2) == 1;
        value.significand += random_.Below(3) - 1;  // and one unit around it
        return value;
    }

    Fields80 AnyPattern() {
        return {random_.Below(2) == 1, static_cast<std::uint16_t>(random_.Next() & 0x7FFF),
                random_.Next()};
    }

    // An exponent field clamped to the finite range.
    static int Clamp(std::int64_t exponent) {
        return exponent < 0 ? 0 : (exponent > 0x7FFE ? 0x7FFE : static_cast<int>(exponent));
    }

    // Exponents where x alone meets a boundary: everywhere, the denormal
    // range, around 1 for integral rounding, the double's and int64's ends.
    int FirstExponent(ExtendedOp op) {
        const std::int64_t offset = static_cast<std::int64_t>(random_.Below(140)) - 70;
        switch (op) {
            case ExtendedOp::kRoundToIntegral:
            case ExtendedOp::kTruncate:
            case ExtendedOp::kToInt64:
                return Clamp(kBias - 3 + static_cast<std::int64_t>(random_.Below(70)));
            case ExtendedOp::kToDouble: {
                const std::int64_t ends[] = {kBias - 1074, kBias - 1022, kBias + 1023, kBias};
                return Clamp(ends[random_.Below(4)] + offset / 4);
            }
            default:
                break;
        }
        if (random_.Below(4) == 0) {
            return Clamp(offset);  // the denormal range
        }
        return static_cast<int>(random_.Below(0x7FFF));
    }

    Fields80 First(ExtendedOp op) {
        switch (random_.Below(10)) {
            case 0:
                return AnyPattern();
            case 1:
                return Edge();
            default:
                return Canonical(FirstExponent(op));
        }
    }

    // y near x: for sums an exponent within the significand's reach of x's
    // (cancellation, alignment); for products and quotients one that puts
    // the result near the denormal range or overflow, or anywhere.
    int SecondExponent(ExtendedOp op, const Fields80& x) {
        const std::int64_t near = static_cast<std::int64_t>(random_.Below(140)) - 70;
        const std::int64_t ex = x.exponent;
        switch (op) {
            case ExtendedOp::kMultiply: {
                const std::int64_t targets[] = {0, 0x7FFE, kBias, near};
                return Clamp(targets[random_.Below(4)] - ex + kBias + near / 2);
            }
            case ExtendedOp::kDivide: {
                const std::int64_t targets[] = {0, 0x7FFE, kBias, near};
                return Clamp(ex - targets[random_.Below(4)] + kBias - near / 2);
            }
            default:
                return Clamp(ex + near / (random_.Below(4) + 1));
        }
    }

    Fields80 Second(ExtendedOp op, const Fields80& x) {
        switch (random_.Below(12)) {
            case 0:
                return AnyPattern();
            case 1:
                return Edge();
            case 2:
                return x;
            case 3:
                return {!x.negative, x.exponent, x.significand + random_.Below(5) - 2};
            default:
                return Canonical(SecondExponent(op, x));
        }
    }

    // Any double, or one from the denormal or overflow end of the range.
    std::uint64_t DoublePattern() {
        const std::uint64_t bits = random_.Next();
        if (random_.Below(2) == 0) {
            return bits;
        }
        const std::uint64_t exponent =
            random_.Below(2) == 0 ? random_.Below(3) : 0x7FE + random_.Below(2);
        return (bits & 0x800F'FFFF'FFFF'FFFF) | (exponent << 52);
    }

    std::int64_t IntegerOperand() {
        const std::uint64_t magnitude = random_.Next() >> random_.Below(64);
        return static_cast<std::int64_t>(random_.Below(2) == 0 ? magnitude : 0 - magnitude);
    }

    SplitMix random_;
};

}  // namespace parabel::testing
