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

constexpr Fields80 kPlusZero{false, 0, 0};
constexpr Fields80 kMinusZero{true, 0, 0};
constexpr Fields80 kOne{false, kBias, kTop};
constexpr Fields80 kHalf{false, kBias - 1, kTop};
constexpr Fields80 kInfinity{false, 0x7FFF, kTop};
constexpr Fields80 kQuiet1{false, 0x7FFF, 0xC000'0000'0000'0001};
constexpr Fields80 kSignalling1{false, 0x7FFF, 0x8000'0000'0000'0001};
constexpr Fields80 kUnnormal{false, kBias, kTop >> 1};
constexpr Outcome kIndefinite{0xFFFF, 0xC000'0000'0000'0000};
constexpr Outcome kTrue{0, 1};
constexpr Outcome kFalse{0, 0};

Fields80 Negated(Fields80 value) {
    value.negative = !value.negative;
    return value;
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
    const Fields80 twoToMinus64{false, kBias - 64, kTop};
    const Fields80 denormalUnit{false, 0, 1};
    const ResultRow rows[] = {
        {"a tie at the 64th bit rounds to even", Op::kAdd, {kOne, twoToMinus64}, {0x3FFF, kTop}},
        {"an odd tie rounds up",
         Op::kAdd,
         {{false, kBias, kTop | 1}, twoToMinus64},
         {0x3FFF, kTop | 2}},
        {"above the tie rounds up",
         Op::kAdd,
         {kOne, {false, kBias - 64, kTop | 1}},
         {0x3FFF, kTop | 1}},
        {"x - x is +0", Op::kSubtract, {Negated(kOne), Negated(kOne)}, {0, 0}},
        {"-0 + -0 is -0", Op::kAdd, {kMinusZero, kMinusZero}, {0x8000, 0}},
        {"a denormal tie to even: 1 unit / 2", Op::kMultiply, {denormalUnit, kHalf}, {0, 0}},
        {"3 denormal units / 2 is 2 units", Op::kMultiply, {{false, 0, 3}, kHalf}, {0, 2}},
        {"a denormal tie rounds up to the smallest normal",
         Op::kMultiply,
         {{false, 1, kOnes}, kHalf},
         {1, kTop}},
        {"denormals sum to the smallest normal",
         Op::kAdd,
         {{false, 0, kOnes >> 1}, denormalUnit},
         {1, kTop}},
        {"a pseudo-denormal is taken as its value",
         Op::kAdd,
         {{false, 0, kTop | 1}, kPlusZero},
         {1, kTop | 1}},
        {"overflow gives infinity",
         Op::kMultiply,
         {{false, 0x7FFE, kOnes}, {false, kBias + 1, kTop}},
         {0x7FFF, kTop}},
        {"infinity - infinity", Op::kSubtract, {kInfinity, kInfinity}, kIndefinite},
        {"0 * infinity", Op::kMultiply, {kMinusZero, kInfinity}, kIndefinite},
        {"0 / 0", Op::kDivide, {kPlusZero, kMinusZero}, kIndefinite},
        {"1 / -0", Op::kDivide, {kOne, kMinusZero}, {0xFFFF, kTop}},
        {"an unnormal is invalid", Op::kAdd, {kUnnormal, kOne}, kIndefinite},
        {"an invalid operand beats a NaN", Op::kMultiply, {kQuiet1, kUnnormal}, kIndefinite},
        {"a signalling NaN comes out quiet",
         Op::kDivide,
         {kOne, kSignalling1},
         {0x7FFF, 0xC000'0000'0000'0001}},
        {"of two NaNs the larger significand",
         Op::kAdd,
         {kQuiet1, {true, 0x7FFF, 0xC000'0000'0000'0002}},
         {0xFFFF, 0xC000'0000'0000'0002}},
        {"of two equal NaNs the positive one",
         Op::kSubtract,
         {Negated(kQuiet1), kQuiet1},
         {0x7FFF, 0xC000'0000'0000'0001}},
        {"a quiet NaN beats a signalling one",
         Op::kAdd,
         {kSignalling1, Negated(kQuiet1)},
         {0xFFFF, 0xC000'0000'0000'0001}},
        {"the root of 2", Op::kSqrt, {{false, kBias + 1, kTop}}, {0x3FFF, 0xB504'F333'F9DE'6484}},
        {"the root of -0 is -0", Op::kSqrt, {kMinusZero}, {0x8000, 0}},
        {"the root of a negative denormal", Op::kSqrt, {{true, 0, 1}}, kIndefinite},
        {"2.5 rounds to 2",
         Op::kRoundToIntegral,
         {{false, kBias + 1, 0xA000'0000'0000'0000}},
         {0x4000, kTop}},
        {"-0.5 rounds to -0", Op::kRoundToIntegral, {Negated(kHalf)}, {0x8000, 0}},
        {"-0.5 truncates to -0", Op::kTruncate, {Negated(kHalf)}, {0x8000, 0}},
        {"halfway to 2^1024 is a double infinity",
         Op::kToDouble,
         {{false, kBias + 1023, 0xFFFF'FFFF'FFFF'FC00}},
         {0, 0x7FF0'0000'0000'0000}},
        {"1.5 double denormal units round to 2",
         Op::kToDouble,
         {{false, kBias - 1074, 0xC000'0000'0000'0000}},
         {0, 2}},
        {"half a double denormal unit is 0",
         Op::kToDouble,
         {{true, kBias - 1075, kTop}},
         {0, 0x8000'0000'0000'0000}},
        {"a NaN narrows to its top payload bits",
         Op::kToDouble,
         {{true, 0x7FFF, 0x8000'0000'0000'0801}},
         {0, 0xFFF8'0000'0000'0001}},
        {"an unnormal narrows to the indefinite",
         Op::kToDouble,
         {kUnnormal},
         {0, 0xFFF8'0000'0000'0000}},
        {"2^63 is no int64", Op::kToInt64, {{false, kBias + 63, kTop}}, {0, 0x8000'0000'0000'0000}},
        {"-2.5 truncates to -2",
         Op::kToInt64,
         {{true, kBias + 1, 0xA000'0000'0000'0000}},
         {0, ~std::uint64_t{1}}},
        {"a signalling double NaN widens quiet",
         Op::kFromDouble,
         {{}, {}, std::bit_cast<double>(0xFFF0'0000'0000'0001)},
         {0xFFFF, 0xC000'0000'0000'0800}},
        {"a denormal double widens normal", Op::kFromDouble, {{}, {}, 0x1p-1074}, {0x3BCD, kTop}},
        {"-2^63 from an integer",
         Op::kFromInteger,
         {{}, {}, 0, std::numeric_limits<std::int64_t>::min()},
         {0xC03E, kTop}},
        {"-0 == +0", Op::kEqual, {kMinusZero, kPlusZero}, kTrue},
        {"a NaN is unequal to itself", Op::kNotEqual, {kQuiet1, kQuiet1}, kTrue},
        {"a NaN is not below infinity", Op::kLess, {kQuiet1, kInfinity}, kFalse},
        {"an unnormal is unequal to itself", Op::kEqual, {kUnnormal, kUnnormal}, kFalse},
        {"a pseudo-denormal equals its normal form",
         Op::kEqual,
         {{false, 0, kTop}, {false, 1, kTop}},
         kTrue},
        {"a denormal is below the smallest normal",
         Op::kLess,
         {{false, 0, kOnes >> 1}, {false, 1, kTop}},
         kTrue},
        {"an unnormal is a NaN", Op::kIsNan, {kUnnormal}, kTrue},
        {"a pseudo-infinity is no infinity", Op::kIsInf, {{true, 0x7FFF, 0}}, kFalse},
        {"a pseudo-denormal is finite", Op::kIsFinite, {{true, 0, kOnes}}, kTrue},
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
        check(Op::kFromDouble, {{}, {}, std::bit_cast<double>(bits)});
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const std::int64_t integers[] = {0, 1, -1, kMax, -kMax, kMax - 1, -kMax - 1, 10, -1000};
    for (const std::int64_t integer : integers) {
        check(Op::kFromInteger, {{}, {}, 0, integer});
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
    const E s = Sqrt(d);
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
