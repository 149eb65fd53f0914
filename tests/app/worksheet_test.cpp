// Worksheets: the same seed gives the same equations everywhere (the shared
// table of seeds), the request's limits, how kinds and variants are laid
// out, and the texts a pupil types.
#include "app/worksheet.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "app/worksheet_random.h"
#include "core/decimal_separator.h"
#include "support/files.h"

namespace parabel {
namespace {

std::vector<std::string> Fields(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, separator);) {
        fields.push_back(field);
    }
    return fields;
}

std::vector<EquationKind> KindsOfList(const std::string& list) {
    std::vector<EquationKind> kinds;
    if (list != "all") {
        for (const std::string& name : Fields(list, ',')) {
            kinds.push_back(KindNamed(name).value());
        }
    }
    return kinds;
}

std::vector<std::string> Texts(const WorksheetVariant& variant) {
    std::vector<std::string> texts;
    for (const WorksheetEquation& equation : variant.equations) {
        texts.push_back(equation.text);
    }
    return texts;
}

// The table the WebAssembly suite, the cross builds and the page hold the
// generator to: seed, count, variants, kinds, separator, variant, equations.
TEST(Worksheet, TheSeedsTableGivesItsEquations) {
    std::istringstream table(testing::ReadWholeFile(PARABEL_WORKSHEET_SEEDS));
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        SCOPED_TRACE(line);
        const std::vector<std::string> row = Fields(line, '\t');
        ASSERT_EQ(row.size(), 7u);
        const ScopedDecimalSeparator separator(row[4].front());
        const Worksheet worksheet = MakeWorksheet({static_cast<std::uint32_t>(std::stoul(row[0])),
                                                   std::stoi(row[1]), std::stoi(row[2]),
                                                   KindsOfList(row[3])});
        const auto variant = static_cast<std::size_t>(std::stoi(row[5]) - 1);
        ASSERT_LT(variant, worksheet.variants.size());
        EXPECT_EQ(Texts(worksheet.variants[variant]), Fields(row[6], ' '));
        ++rows;
    }
    EXPECT_GE(rows, 20);
}

TEST(Worksheet, CountAndVariantsOutOfRangeAreRefused) {
    const std::pair<int, int> refused[] = {{0, 1}, {41, 1}, {-1, 1}, {20, 0}, {20, 5}};
    for (const auto& [count, variants] : refused) {
        EXPECT_THROW(MakeWorksheet({1, count, variants, {}}), std::invalid_argument)
            << count << " " << variants;
    }
    const Worksheet largest = MakeWorksheet({1, 40, 4, {}});
    ASSERT_EQ(largest.variants.size(), 4u);
    EXPECT_EQ(largest.variants[3].number, 4);
    EXPECT_EQ(largest.variants[3].equations.size(), 40u);
}

TEST(Worksheet, KindsComeInBlocksFromTheEasiestAtTheSamePlaceInEveryVariant) {
    using enum EquationKind;
    const struct {
        int count;
        std::vector<EquationKind> asked;
        std::vector<EquationKind> expected;
    } rows[] = {
        {6, {}, {kWhole, kFractions, kOne, kNone, kDecimal, kIncomplete}},
        {12, {}, {kWhole, kWhole, kFractions, kFractions, kOne, kOne, kNone, kNone, kDecimal,
                  kDecimal, kIncomplete, kIncomplete}},
        {3, {}, {kWhole, kOne, kDecimal}},
        {1, {}, {kWhole}},
        {5, {kNone, kWhole, kNone}, {kWhole, kWhole, kWhole, kNone, kNone}},
        {4, {kIncomplete}, {kIncomplete, kIncomplete, kIncomplete, kIncomplete}},
    };
    for (const auto& row : rows) {
        const Worksheet worksheet = MakeWorksheet({2026, row.count, 3, row.asked});
        for (const WorksheetVariant& variant : worksheet.variants) {
            std::vector<EquationKind> kinds;
            for (const WorksheetEquation& equation : variant.equations) {
                kinds.push_back(equation.kind);
            }
            EXPECT_EQ(kinds, row.expected) << row.count << " variant " << variant.number;
        }
    }
}

TEST(Worksheet, AVariantIsTheSameWhateverTheOtherVariantsAndTheKindsOrder) {
    const Worksheet two = MakeWorksheet({77, 18, 2, {EquationKind::kNone, EquationKind::kWhole}});
    const Worksheet four = MakeWorksheet({77, 18, 4, {EquationKind::kWhole, EquationKind::kNone}});
    EXPECT_EQ(Texts(two.variants[1]), Texts(four.variants[1]));
    EXPECT_NE(Texts(four.variants[0]), Texts(four.variants[1]));
    EXPECT_NE(Texts(MakeWorksheet({78, 18, 1, {}}).variants[0]), Texts(two.variants[0]));
}

TEST(Worksheet, EachEquationCarriesItsWorkedSolutionInTheProcesssSeparator) {
    for (const char separator : {'.', ','}) {
        const ScopedDecimalSeparator scoped(separator);
        const Worksheet worksheet = MakeWorksheet({5, 40, 1, {EquationKind::kDecimal}});
        for (const WorksheetEquation& equation : worksheet.variants[0].equations) {
            EXPECT_NE(equation.text.find(separator), std::string::npos) << equation.text;
            EXPECT_EQ(equation.solution.front(), equation.text + "=0");
            EXPECT_EQ(AnswerLine(equation).rfind("Ответ: x(1)=", 0), 0u) << AnswerLine(equation);
        }
    }
}

TEST(Worksheet, TextsAsAPupilTypesThem) {
    // a, b, c (in hundredths where marked), the separator, the text.
    const struct {
        std::int64_t a, b, c;
        bool inHundredths;
        char separator;
        const char* text;
    } rows[] = {
        {1, -5, 6, false, '.', "x^2-5x+6"},
        {2, -3, -5, false, '.', "2x^2-3x-5"},
        {1, 0, -9, false, '.', "x^2-9"},
        {-1, 4, -4, false, '.', "-x^2+4x-4"},
        {1, 1, 0, false, '.', "x^2+x"},
        {-3, -1, 0, false, '.', "-3x^2-x"},
        {50, 150, -200, true, '.', "0.5x^2+1.5x-2"},
        {100, -250, 125, true, '.', "x^2-2.5x+1.25"},
        {-100, 5, -1, true, ',', "-x^2+0,05x-0,01"},
        {-250, 100, 0, true, ',', "-2,5x^2+x"},
    };
    for (const auto& row : rows) {
        const ScopedDecimalSeparator separator(row.separator);
        EquationCandidate candidate;
        candidate.a = row.a;
        candidate.b = row.b;
        candidate.c = row.c;
        candidate.inHundredths = row.inHundredths;
        EXPECT_EQ(EquationText(candidate), row.text);
    }
}

TEST(Worksheet, KindNamesReadBack) {
    for (const EquationKind kind : AllKinds()) {
        EXPECT_EQ(KindNamed(KindName(kind)), kind);
    }
    for (const char* name : {"", "Whole", "fraction", "whole,none", " one"}) {
        EXPECT_FALSE(KindNamed(name)) << name;
    }
}

TEST(WorksheetRandom, SplitMix64AndWholeRanges) {
    // SplitMix64's published first outputs for the state 0.
    WorksheetRandom random(0);
    EXPECT_EQ(random.Next(), 0xE220A8397B1DCDAFu);
    EXPECT_EQ(random.Next(), 0x6E789E6AA1B965F4u);
    std::vector<int> seen(19, 0);
    for (int i = 0; i < 10000; ++i) {
        const int value = random.Between(-9, 9);
        ASSERT_GE(value, -9);
        ASSERT_LE(value, 9);
        ++seen[static_cast<std::size_t>(value + 9)];
    }
    for (const int times : seen) {
        EXPECT_GT(times, 400);  // each of 19 about 526 times
    }
}

}  // namespace
}  // namespace parabel
