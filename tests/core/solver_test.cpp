#include "core/solver.h"
#include "core/bit_cast.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include <string>
#include <vector>

#include "core/decimal_separator.h"
#include "core/real_to_text.h"
#include "support/extended_literals.h"
#include "support/extended_printing.h"

using parabel::testing::Hex;

namespace parabel {
namespace {

using Lines = std::vector<std::string>;

const std::string kSep = "__________________________";

// The saved solution: the equation line, "Решение", the separator, then `rest`.
Lines Saved(const std::string& equation, const Lines& rest) {
    Lines lines = {equation, "Решение", kSep};
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

struct SolvedRow {
    const char* field;
    const char* fieldAfter;
    Lines saved;
    Extended a, b, c;
    double root1, root2;
};

const SolvedRow kSolved[] = {
    {"x^2-5x+6", "x^2-5x+6=0",
     Saved("x^2-5x+6=0",
           {"D=(-5)^2-4*(1)*(6)=1", "D>0 - Два корня.", "x(1,2)=((5)±(1^(1/2)))/(2*(1))", "x(1)=3",
            "x(2)=2", kSep, "Ответ: x(1)=3 ; x(2)=2"}),
     1, -5, 6, 3, 2},
    {"x^2-5x+6=0", "x^2-5x+6=0",
     Saved("x^2-5x+6=0",
           {"D=(-5)^2-4*(1)*(6)=1", "D>0 - Два корня.", "x(1,2)=((5)±(1^(1/2)))/(2*(1))", "x(1)=3",
            "x(2)=2", kSep, "Ответ: x(1)=3 ; x(2)=2"}),
     1, -5, 6, 3, 2},
    {"-x^2+5x-6", "-x^2+5x-6=0",
     Saved("-x^2+5x-6=0",
           {"D=(5)^2-4*(-1)*(-6)=1", "D>0 - Два корня.", "x(1,2)=((-5)±(1^(1/2)))/(2*(-1))",
            "x(1)=2", "x(2)=3", kSep, "Ответ: x(1)=2 ; x(2)=3"}),
     -1, 5, -6, 2, 3},
    // Everything after "x^2" is the c-text when no "x" follows.
    {"-x^2+4=0", "-x^2+4=0",
     Saved("-x^2+4=0",
           {"D=(0)^2-4*(-1)*(4)=16", "D>0 - Два корня.", "x(1,2)=((0)±(16^(1/2)))/(2*(-1))",
            "x(1)=-2", "x(2)=2", kSep, "Ответ: x(1)=-2 ; x(2)=2"}),
     -1, 0, 4, -2, 2},
    {"2x^2+4x+2", "2x^2+4x+2=0",
     Saved("2x^2+4x+2=0",
           {"D=(4)^2-4*(2)*(2)=0", "D=0 - Один корень.", "x=(-4)/(2*(2))=-1", kSep, "Ответ: -1"}),
     2, 4, 2, -1, kNoRoot},
    {"x^2+1", "x^2+1=0",
     Saved("x^2+1=0", {"D=(0)^2-4*(1)*(1)=-4", "D<0 - Корней нет.", kSep, "Ответ: Корней нет."}), 1,
     0, 1, kNoRoot, kNoRoot},
    {"x^2+2x+5", "x^2+2x+5=0",
     Saved("x^2+2x+5=0",
           {"D=(2)^2-4*(1)*(5)=-16", "D<0 - Корней нет.", kSep, "Ответ: Корней нет."}),
     1, 2, 5, kNoRoot, kNoRoot},
    {"x^2+x", "x^2+x=0",
     Saved("x^2+x=0", {"D=(1)^2-4*(1)*(0)=1", "D>0 - Два корня.", "x(1,2)=((-1)±(1^(1/2)))/(2*(1))",
                       "x(1)=0", "x(2)=-1", kSep, "Ответ: x(1)=0 ; x(2)=-1"}),
     1, 1, 0, 0, -1},
    {"x^2+x-1", "x^2+x-1=0",
     Saved("x^2+x-1=0",
           {"D=(1)^2-4*(1)*(-1)=5", "D>0 - Два корня.", "x(1,2)=((-1)±(5^(1/2)))/(2*(1))",
            "x(1)=0.618033988749895", "x(2)=-1.61803398874989", kSep,
            "Ответ: x(1)=0.618033988749895 ; x(2)=-1.61803398874989"}),
     1, 1, -1, Hex("0x9E3779B97F4A7C16p-64").ToDouble() /* 0.6180339887498948482 */,
     -Hex("0xCF1BBCDCBFA53E0Bp-63").ToDouble() /* 1.6180339887498948482 */},
    {"2x^2", "2x^2=0",
     Saved("2x^2=0",
           {"D=(0)^2-4*(2)*(0)=0", "D=0 - Один корень.", "x=(0)/(2*(2))=0", kSep, "Ответ: 0"}),
     2, 0, 0, -0.0, kNoRoot},
};

TEST(Solve, WorkedSolutions) {
    for (const SolvedRow& row : kSolved) {
        SCOPED_TRACE(row.field);
        const SolveOutcome outcome = Solve(row.field);
        ASSERT_EQ(outcome.failure, SolveFailure::kNone);
        EXPECT_EQ(outcome.fieldText, row.fieldAfter);
        EXPECT_EQ(outcome.saved, row.saved);
        EXPECT_TRUE(outcome.listReplaced);
        EXPECT_EQ(outcome.displayed, Lines(row.saved.begin() + 1, row.saved.end()));
        EXPECT_SAME_EXTENDED(outcome.a, row.a);
        EXPECT_SAME_EXTENDED(outcome.b, row.b);
        EXPECT_SAME_EXTENDED(outcome.c, row.c);
        EXPECT_EQ(BitCast<std::uint64_t>(outcome.root1), BitCast<std::uint64_t>(row.root1));
        EXPECT_EQ(BitCast<std::uint64_t>(outcome.root2), BitCast<std::uint64_t>(row.root2));
    }
}

TEST(Solve, SolvingTheSameTextAgainGivesTheSameResult) {
    const SolveOutcome first = Solve("x^2-5x+6");
    const SolveOutcome second = Solve(first.fieldText);
    EXPECT_EQ(second.fieldText, first.fieldText);
    EXPECT_EQ(second.saved, first.saved);
}

struct FailedRow {
    const char* field;
    SolveFailure failure;
    const char* fieldAfter;
    Lines saved;
    bool listReplaced;
    Lines displayed;
};

const FailedRow kFailed[] = {
    {"5+3=0", SolveFailure::kForm, "5+3", {"5+3=0"}, false, {}},
    {"", SolveFailure::kForm, "", {"=0"}, false, {}},
    {"=0", SolveFailure::kForm, "", {"=0"}, false, {}},
    {"0x^2+x+1", SolveFailure::kForm, "0x^2+x+1", {"0x^2+x+1=0"}, false, {}},
    {"-0x^2+1=0", SolveFailure::kForm, "-0x^2+1", {"-0x^2+1=0"}, false, {}},
    {"0.0x^2", SolveFailure::kForm, "0.0x^2", {"0.0x^2=0"}, false, {}},
    {"5x+3", SolveFailure::kConversion, "5x+3", {"5x+3=0"}, false, {}},
    {"0x^2x+1", SolveFailure::kConversion, "0x^2x+1", {"0x^2x+1=0"}, false, {}},
    {"x^2=0=0", SolveFailure::kConversion, "x^2=0", {"x^2=0=0"}, false, {}},
    {"x^2 - 5x + 6", SolveFailure::kConversion, "x^2 - 5x + 6", {"x^2 - 5x + 6=0"}, false, {}},
    // b*b overflows while D is computed: the list is emptied, nothing added.
    {"x^2+1e3000x", SolveFailure::kConversion, "x^2+1e3000x", {"x^2+1e3000x=0"}, true, {}},
    // x(2) overflows: the roots come before the case's lines, so the list
    // and the saved solution both end at the head lines.
    {"1e-4900x^2+1e100x",
     SolveFailure::kConversion,
     "1e-4900x^2+1e100x",
     {"1e-4900x^2+1e100x=0", "Решение", kSep, "D=(1E100)^2-4*(1E-4900)*(0)=1E200"},
     true,
     {"Решение", kSep, "D=(1E100)^2-4*(1E-4900)*(0)=1E200"}},
    {"1e-4000x^2+1e1000x+1",
     SolveFailure::kConversion,
     "1e-4000x^2+1e1000x+1",
     {"1e-4000x^2+1e1000x+1=0", "Решение", kSep, "D=(1E1000)^2-4*(1E-4000)*(1)=1E2000"},
     true,
     {"Решение", kSep, "D=(1E1000)^2-4*(1E-4000)*(1)=1E2000"}},
    // A root beyond the double range: every line, then the failure.
    {"1e-4000x^2+x",
     SolveFailure::kConversion,
     "1e-4000x^2+x",
     Saved("1e-4000x^2+x=0", {"D=(1)^2-4*(1E-4000)*(0)=1", "D>0 - Два корня.",
                              "x(1,2)=((-1)±(1^(1/2)))/(2*(1E-4000))", "x(1)=0", "x(2)=-1E4000",
                              kSep, "Ответ: x(1)=0 ; x(2)=-1E4000"}),
     true,
     {"Решение", kSep, "D=(1)^2-4*(1E-4000)*(0)=1", "D>0 - Два корня.",
      "x(1,2)=((-1)±(1^(1/2)))/(2*(1E-4000))", "x(1)=0", "x(2)=-1E4000", kSep,
      "Ответ: x(1)=0 ; x(2)=-1E4000"}},
};

TEST(Solve, FailuresLeaveWhatTheEarlierStepsDid) {
    for (const FailedRow& row : kFailed) {
        SCOPED_TRACE(row.field);
        const SolveOutcome outcome = Solve(row.field);
        EXPECT_EQ(outcome.failure, row.failure);
        EXPECT_EQ(outcome.fieldText, row.fieldAfter);
        EXPECT_EQ(outcome.saved, row.saved);
        EXPECT_EQ(outcome.listReplaced, row.listReplaced);
        EXPECT_EQ(outcome.displayed, row.displayed);
    }
}

TEST(Solve, DMultipliesAByFourBeforeC) {
    // D = b*b - (a*4)*c: 4*a overflows here, though 4*c times a would not.
    const SolveOutcome overflows = Solve("3e4931x^2+x+1e-4931");
    EXPECT_EQ(overflows.failure, SolveFailure::kConversion);
    EXPECT_TRUE(overflows.listReplaced);
    EXPECT_TRUE(overflows.displayed.empty());
    // And the other way round: 4*c would overflow, 4*a times c does not.
    const SolveOutcome solved = Solve("1e-4931x^2+x+3e4931");
    ASSERT_EQ(solved.failure, SolveFailure::kNone);
    EXPECT_EQ(solved.displayed[2], "D=(1)^2-4*(1E-4931)*(3E4931)=-11");
    EXPECT_EQ(solved.displayed[3], "D<0 - Корней нет.");
}

TEST(Solve, TheCaseFollowsTheExactSignOfD) {
    // On paper D = 0.36 - 0.36 = 0; in extended arithmetic it is a tiny
    // positive value, which the head line shows and which picks the case.
    const SolveOutcome tiny = Solve("0.1x^2+0.6x+0.9");
    ASSERT_EQ(tiny.failure, SolveFailure::kNone);
    EXPECT_EQ(tiny.displayed[2], "D=(0.6)^2-4*(0.1)*(0.9)=2.71050543121376E-20");
    EXPECT_EQ(tiny.displayed[3], "D>0 - Два корня.");
    // Others come out exactly zero and give one root.
    EXPECT_EQ(Solve("0.3x^2+0.6x+0.3").displayed[3], "D=0 - Один корень.");
}

TEST(Solve, TheDiscriminantIsKeptOnceComputed) {
    struct Row {
        const char* field;
        const char* discriminant;  // nullptr: not reached
    };
    const Row rows[] = {
        {"x^2-5x+6", "1"},
        {"x^2+1", "-4"},
        {"2x^2+4x+2", "0"},
        {"0.1x^2+0.6x+0.9", "2.71050543121376E-20"},
        {"5+3", nullptr},
        {"5x+3", nullptr},
        {"x^2+1e3000x", nullptr},        // the fault computing D
        {"1e-4900x^2+1e100x", "1E200"},  // a fault after it
        {"1e-4000x^2+x", "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        const SolveOutcome outcome = Solve(row.field);
        if (row.discriminant == nullptr) {
            EXPECT_FALSE(outcome.discriminant.has_value());
        } else {
            ASSERT_TRUE(outcome.discriminant.has_value());
            EXPECT_EQ(RealToText(*outcome.discriminant), row.discriminant);
        }
    }
}

TEST(Solve, CommaSeparatorReadsAndWritesCommas) {
    ScopedDecimalSeparator separator(',');
    const SolveOutcome outcome = Solve("0,5x^2-2");
    ASSERT_EQ(outcome.failure, SolveFailure::kNone);
    EXPECT_EQ(outcome.saved, Saved("0,5x^2-2=0", {"D=(0)^2-4*(0,5)*(-2)=4", "D>0 - Два корня.",
                                                  "x(1,2)=((0)±(4^(1/2)))/(2*(0,5))", "x(1)=2",
                                                  "x(2)=-2", kSep, "Ответ: x(1)=2 ; x(2)=-2"}));
    const SolveOutcome fractions = Solve("x^2-0,3x");
    EXPECT_EQ(fractions.displayed.back(), "Ответ: x(1)=0,3 ; x(2)=0");
    EXPECT_EQ(Solve("0.5x^2-2").failure, SolveFailure::kConversion);
}

}  // namespace
}  // namespace parabel
