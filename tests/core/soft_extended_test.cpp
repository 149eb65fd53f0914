// SoftExtended against the x87: a table of results the x87 gives, checked
// for both implementations, then edge patterns, the solver's steps and a
// seeded random sweep through every operation, compared bit for bit with
// HardwareExtended.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/extended_agreement.h"
#include "support/extended_samples.h"

namespace parabel::testing {
namespace {

using Op = ExtendedOp;

constexpr Fields80 kZero{false, 0, 0};
constexpr Fields80 kMinusZero{true, 0, 0};
constexpr Fields80 kUnit{false, 0, 1};  // the smallest denormal
constexpr Fields80 kMaxDenormal{false, 0, kOnes >> 1};
constexpr Fields80 kMinNormal{false, 1, kTop};
constexpr Fields80 kMaxFinite{false, 0x7FFE, kOnes};
constexpr Fields80 kHalf{false, kBias - 1, kTop};
constexpr Fields80 kOne{false, kBias, kTop};
constexpr Fields80 kOneAndUlp{false, kBias, kTop | 1};
constexpr Fields80 kHalfUlp{false, kBias - 64, kTop};  // half an ulp of 1
constexpr Fields80 kTwo{false, kBias + 1, kTop};
constexpr Fields80 kTwoAndHalf{false, kBias + 1, 0xA000'0000'0000'0000};
constexpr Fields80 kInf{false, 0x7FFF, kTop};
constexpr Fields80 kQNaN{false, 0x7FFF, 0xC000'0000'0000'0001};
constexpr Fields80 kQNaN2{true, 0x7FFF, 0xC000'0000'0000'0002};
constexpr Fields80 kSNaN{false, 0x7FFF, 0x8000'0000'0000'0001};
constexpr Fields80 kUnnormal{false, kBias, kTop >> 1};
constexpr Fields80 kDoubleOverflowTie{false, kBias + 1023, 0xFFFF'FFFF'FFFF'FC00};
constexpr Fields80 kDoubleUnitAndHalf{false, kBias - 1074, 0xC000'0000'0000'0000};
constexpr Fields80 kHalfDoubleUnit{false, kBias - 1075, kTop};
constexpr Outcome kIndefinite{0xFFFF, 0xC000'0000'0000'0000};
constexpr Outcome kTrue{0, 1};
constexpr Outcome kFalse{0, 0};

constexpr Fields80 Negated(Fields80 value) {
    value.negative = !value.negative;
    return value;
}

constexpr Outcome Same(Fields80 value) {
    return {static_cast<std::uint16_t>(value.exponent | (value.negative ? 0x8000 : 0)),
            value.significand};
}

struct ResultRow {
    const char* name;
    Op op;
    Operands operands;
    Outcome expected;
};

template <class E>
class ExtendedResults : public ::testing::Test {};

#ifdef PARABEL_HAS_HARDWARE_EXTENDED
using Implementations = ::testing::Types<SoftExtended, HardwareExtended>;
#else
using Implementations = ::testing::Types<SoftExtended>;
#endif
TYPED_TEST_SUITE(ExtendedResults, Implementations);

// Results read off the x87; every implementation must give them.
TYPED_TEST(ExtendedResults, AsTheX87GivesThem) {
    const double doubleSNaN = BitCast<double>(0xFFF0'0000'0000'0001);
    const std::int64_t int64Min = std::numeric_limits<std::int64_t>::min();
    const ResultRow rows[] = {
        {"tie at bit 64 to even", Op::kAdd, {kOne, kHalfUlp}, Same(kOne)},
        {"odd tie rounds up", Op::kAdd, {kOneAndUlp, kHalfUlp}, {0x3FFF, kTop | 2}},
        {"above a tie rounds up",
         Op::kAdd,
         {kOne, {false, kBias - 64, kTop | 1}},
         Same(kOneAndUlp)},
        {"x - x is +0", Op::kSubtract, {Negated(kOne), Negated(kOne)}, Same(kZero)},
        {"bits 65 places down still count",
         Op::kSubtract,
         {{false, 0x4156, kTop}, {false, 0x4115, kTop | 1}},
         {0x4155, kOnes}},
        {"-0 + -0 is -0", Op::kAdd, {kMinusZero, kMinusZero}, Same(kMinusZero)},
        {"denormal tie to even", Op::kMultiply, {kUnit, kHalf}, Same(kZero)},
        {"3 units / 2 is 2 units", Op::kMultiply, {{false, 0, 3}, kHalf}, {0, 2}},
        {"denormal tie up to normal", Op::kMultiply, {{false, 1, kOnes}, kHalf}, Same(kMinNormal)},
        {"denormals sum to normal", Op::kAdd, {kMaxDenormal, kUnit}, Same(kMinNormal)},
        {"pseudo-denormal is its value", Op::kAdd, {{false, 0, kTop | 1}, kZero}, {1, kTop | 1}},
        {"overflow to infinity", Op::kMultiply, {kMaxFinite, kTwo}, Same(kInf)},
        {"inf - inf", Op::kSubtract, {kInf, kInf}, kIndefinite},
        {"0 * inf", Op::kMultiply, {kMinusZero, kInf}, kIndefinite},
        {"0 / 0", Op::kDivide, {kZero, kMinusZero}, kIndefinite},
        {"1 / -0", Op::kDivide, {kOne, kMinusZero}, Same(Negated(kInf))},
        {"estimate two above the quotient",
         Op::kDivide,
         {{false, kBias, 0xB9C0'A591'2359'6822}, {false, kBias, 0xD39D'7BA7'E4F8'B2FE}},
         {0x3FFE, 0xE0B6'7D18'B4D9'667F}},
        {"unnormal is invalid", Op::kAdd, {kUnnormal, kOne}, kIndefinite},
        {"invalid beats NaN", Op::kMultiply, {kQNaN, kUnnormal}, kIndefinite},
        {"SNaN comes out quiet", Op::kDivide, {kOne, kSNaN}, Same(kQNaN)},
        {"larger NaN significand wins", Op::kAdd, {kQNaN, kQNaN2}, Same(kQNaN2)},
        {"equal NaNs: the positive", Op::kSubtract, {Negated(kQNaN), kQNaN}, Same(kQNaN)},
        {"QNaN beats SNaN", Op::kAdd, {kSNaN, Negated(kQNaN)}, Same(Negated(kQNaN))},
        {"root of 2", Op::kSqrt, {kTwo}, {0x3FFF, 0xB504'F333'F9DE'6484}},
        {"root of -0 is -0", Op::kSqrt, {kMinusZero}, Same(kMinusZero)},
        {"root of -denormal", Op::kSqrt, {Negated(kUnit)}, kIndefinite},
        {"2.5 rounds to 2", Op::kRoundToIntegral, {kTwoAndHalf}, Same(kTwo)},
        {"-0.5 rounds to -0", Op::kRoundToIntegral, {Negated(kHalf)}, Same(kMinusZero)},
        {"-2.5 truncates to -2", Op::kTruncate, {Negated(kTwoAndHalf)}, Same(Negated(kTwo))},
        {"double overflow at a tie", Op::kToDouble, {kDoubleOverflowTie}, {0, 0x7FF0ull << 48}},
        {"1.5 double units round to 2", Op::kToDouble, {kDoubleUnitAndHalf}, {0, 2}},
        {"half a double unit is 0", Op::kToDouble, {Negated(kHalfDoubleUnit)}, {0, kTop}},
        {"NaN keeps its top bits",
         Op::kToDouble,
         {{true, 0x7FFF, kTop | 0x801}},
         {0, 0xFFF8ull << 48 | 1}},
        {"unnormal to double", Op::kToDouble, {kUnnormal}, {0, 0xFFF8ull << 48}},
        {"2^63 is no int64", Op::kToInt64, {{false, kBias + 63, kTop}}, {0, kTop}},
        {"-2.5 to int64 is -2", Op::kToInt64, {Negated(kTwoAndHalf)}, {0, ~std::uint64_t{1}}},
        {"double SNaN widens quiet",
         Op::kFromDouble,
         {{}, {}, doubleSNaN},
         {0xFFFF, kTop | 3ull << 62 | 0x800}},
        {"denormal double widens", Op::kFromDouble, {{}, {}, 0x1p-1074}, {0x3BCD, kTop}},
        {"-2^63 from int64", Op::kFromInteger, {{}, {}, 0, int64Min}, {0xC03E, kTop}},
        {"-0 == +0", Op::kEqual, {kMinusZero, kZero}, kTrue},
        {"NaN != itself", Op::kNotEqual, {kQNaN, kQNaN}, kTrue},
        {"NaN not below inf", Op::kLess, {kQNaN, kInf}, kFalse},
        {"unnormal unequal to itself", Op::kEqual, {kUnnormal, kUnnormal}, kFalse},
        {"pseudo-denormal equals normal", Op::kEqual, {{false, 0, kTop}, kMinNormal}, kTrue},
        {"denormal below normal", Op::kLess, {kMaxDenormal, kMinNormal}, kTrue},
        {"unnormal is a NaN", Op::kIsNan, {kUnnormal}, kTrue},
        {"pseudo-infinity is no infinity", Op::kIsInf, {{true, 0x7FFF, 0}}, kFalse},
        {"pseudo-denormal is finite", Op::kIsFinite, {{true, 0, kOnes}}, kTrue},
    };
    for (const ResultRow& row : rows) {
        EXPECT_EQ(Describe(Apply<TypeParam>(row.op, row.operands)), Describe(row.expected))
            << row.name << ": " << DescribeOperands(row.op, row.operands);
    }
}

#ifdef PARABEL_HAS_HARDWARE_EXTENDED

// Reports disagreements as failures, the first few in full.
class AgreementCheck {
  public:
    ~AgreementCheck() { EXPECT_EQ(failures_, 0) << "disagreements in " << checks_ << " checks"; }
    void operator()(Op op, const Operands& operands) {
        ++checks_;
        const std::string difference = Disagreement(op, operands);
        if (!difference.empty() && ++failures_ <= 10) {
            ADD_FAILURE() << difference;
        }
    }

  private:
    int checks_ = 0;
    int failures_ = 0;
};

std::vector<Fields80> SignedEdges() {
    std::vector<Fields80> values;
    for (const Fields80& value : EdgePatterns()) {
        values.push_back(value);
        values.push_back(Negated(value));
    }
    return values;
}

TEST(ExtendedAgreement, EdgePatternsThroughEveryOperation) {
    AgreementCheck check;
    const std::vector<Fields80> edges = SignedEdges();
    for (int index = 0; index <= static_cast<int>(Op::kToInt64); ++index) {
        const auto op = static_cast<Op>(index);
        for (const Fields80& x : edges) {
            if (!IsBinary(op)) {
                check(op, {x});
                continue;
            }
            for (const Fields80& y : edges) {
                check(op, {x, y});
            }
        }
    }
}

TEST(ExtendedAgreement, ConversionEdges) {
    AgreementCheck check;
    const std::uint64_t doubles[] = {0,
                                     0x8000'0000'0000'0000,
                                     1,
                                     0x000F'FFFF'FFFF'FFFF,
                                     0x0010'0000'0000'0000,
                                     0x7FEF'FFFF'FFFF'FFFF,
                                     0x7FF0'0000'0000'0000,
                                     0xFFF0'0000'0000'0000,
                                     0x7FF0'0000'0000'0001,
                                     0x7FF7'FFFF'FFFF'FFFF,
                                     0x7FF8'0000'0000'0000,
                                     0xFFFF'FFFF'FFFF'FFFF,
                                     0x3FF0'0000'0000'0001,
                                     0x8000'0000'0000'0001};
    for (const std::uint64_t bits : doubles) {
        check(Op::kFromDouble, {{}, {}, BitCast<double>(bits)});
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const std::int64_t integers[] = {0, 1, -1, kMax, -kMax, kMax - 1, -kMax - 1, 10, -1000};
    for (const std::int64_t integer : integers) {
        check(Op::kFromInteger, {{}, {}, 0, integer});
    }
}

// Where division and square root start from a double estimate, the
// corrections must carry it over the ends of the significand's range: a
// quotient or root just below 2^64 or at 2^63, exact results, and quotients
// below the normal range, where more than the first remainder bit rounds.
TEST(ExtendedAgreement, DivisionAndRootAtTheEndsOfTheirEstimates) {
    AgreementCheck check;
    const std::uint64_t significands[] = {kTop,
                                          kTop | 1,
                                          kOnes,
                                          kOnes - 1,
                                          0xFFFF'FFFE'0000'0001,  // (2^32 - 1)^2
                                          0xB504'F333'F9DE'6484,
                                          0xC000'0000'0000'0000};
    const int exponents[] = {kBias, kBias + 1, kBias - 1, 1, 0x7FFE};
    for (const std::uint64_t a : significands) {
        for (const std::uint64_t b : significands) {
            for (const int exponent : exponents) {
                const Fields80 x{false, static_cast<std::uint16_t>(exponent), a};
                check(Op::kDivide, {x, {true, kBias, b}});
                check(Op::kDivide, {x, {false, static_cast<std::uint16_t>(0x7FFE - 64), b}});
                check(Op::kDivide, {{false, 0, a >> 3}, {false, kBias + 5, b}});
            }
        }
        for (const int exponent : exponents) {
            check(Op::kSqrt, {{false, static_cast<std::uint16_t>(exponent), a}});
        }
        check(Op::kSqrt, {{false, 0, a >> 7}});
    }
    // Quotients a hair below a whole number of units away from the first
    // estimate, which then lies two units above them, and exact quotients
    // with the estimate one unit below.
    const std::uint64_t pairs[][2] = {{0xB9C0'A591'2359'6822, 0xD39D'7BA7'E4F8'B2FE},
                                      {0x94E2'753C'B937'2960, 0xAA26'AA4E'EC64'EA65},
                                      {0xB7CB'7AFA'E319'00A6, 0xDE55'F9B0'D3D8'FB33},
                                      {0xA1E2'66D0'1E8C'2275, 0xCC76'9D0D'ECD1'A3FF},
                                      {0xC000'0020'0000'0000, 0xC400'0000'0000'0000},
                                      {0xA000'0000'1000'0000, 0xA000'0000'1000'0000},
                                      {0xF0C6'A67C'05BE'9613, 0xED00'0000'0000'0000}};
    for (const auto& [a, b] : pairs) {
        for (const int exponent : exponents) {
            check(Op::kDivide,
                  {{false, static_cast<std::uint16_t>(exponent), a}, {true, kBias, b}});
        }
    }
}

// An addend aligned by 64 to 127 bits leaves only its top bits in the guard
// word: the bits below them, when there are any, must still decide a tie.
TEST(ExtendedAgreement, AddendsAlignedBeyondTheSignificand) {
    AgreementCheck check;
    const std::uint64_t larger[] = {kTop, kTop | 1, 0xC000'0000'0000'0000, kOnes};
    for (int distance = 64; distance <= 127; ++distance) {
        const int lost = distance - 64;  // bits that fall below the guard word
        const std::uint64_t topLost = lost == 0 ? 0 : std::uint64_t{1} << (lost - 1);
        const std::uint64_t smaller[] = {kTop, kOnes << lost,               // nothing lost
                                         kTop | 1, kTop | topLost, kOnes};  // bits lost
        for (const std::uint64_t a : larger) {
            for (const std::uint64_t b : smaller) {
                const Fields80 x{false, kBias, a};
                const Fields80 y{false, static_cast<std::uint16_t>(kBias - distance), b};
                check(Op::kAdd, {x, y});
                check(Op::kSubtract, {x, y});
                check(Op::kSubtract, {Negated(y), Negated(x)});
            }
        }
    }
}

// Each step of a solve (D = b*b - 4*a*c, its root, both roots) as bits.
template <class E>
std::vector<Outcome> SolverSteps(E a, E b, int cOffset) {
    const E four = E::FromInteger(4);
    const E t1 = b * b;
    const E t2 = a * four;
    // c with 4ac within a few units of b^2: D cancels almost to nothing.
    const E near = t1 / t2;
    const E c = E::FromFields(near.negative(), near.exponent(), near.significand() + cOffset);
    const E d = t1 - t2 * c;
    const E s = SquareRoot(d);
    const E twoA = a * E::FromInteger(2);
    const E root1 = (s + -b) / twoA;
    const E root2 = (-b - s) / twoA;
    return {Bits(c),
            Bits(d),
            Bits(s),
            Bits(root1),
            Bits(root2),
            Bits(root1.ToDouble()),
            Bits(root2.ToDouble())};
}

TEST(ExtendedAgreement, SolverStepsWithNearCancellation) {
    const double coefficients[][2] = {{1, 2},      {1, 3037000499.97605}, {3, 1e10 + 1},
                                      {1e-3, 1e5}, {-7.5, 0.1},           {1e300, 1e-300}};
    for (const auto& [a, b] : coefficients) {
        for (int cOffset = -2; cOffset <= 2; ++cOffset) {
            const auto soft = SolverSteps(SoftExtended::FromDouble(Opaque(a)),
                                          SoftExtended::FromDouble(Opaque(b)), cOffset);
            const auto hardware = SolverSteps(HardwareExtended::FromDouble(Opaque(a)),
                                              HardwareExtended::FromDouble(Opaque(b)), cOffset);
            for (std::size_t step = 0; step < soft.size(); ++step) {
                EXPECT_EQ(Describe(soft[step]), Describe(hardware[step]))
                    << "a=" << a << " b=" << b << " c offset " << cOffset << " step " << step;
            }
        }
    }
}

TEST(ExtendedAgreement, SeededRandomOperands) {
    AgreementCheck check;
    OperandSampler sampler(20240611);
    for (int round = 0; round < 50000; ++round) {
        for (int index = 0; index < kExtendedOpCount; ++index) {
            const auto op = static_cast<Op>(index);
            check(op, sampler.Next(op));
        }
    }
}

#endif

}  // namespace
}  // namespace parabel::testing
