// Worksheets: the same seed gives the same equations everywhere (the shared
// table of seeds), the request's limits, how kinds and variants are laid
// out, and the texts a pupil types.
#include "app/worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "app/worksheet_pages.h"
#include "app/worksheet_random.h"
#include "app/worksheet_words.h"
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
        const Worksheet worksheet =
            MakeWorksheet({static_cast<std::uint32_t>(std::stoul(row[0])), std::stoi(row[1]),
                           std::stoi(row[2]), KindsOfList(row[3])});
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
        {12,
         {},
         {kWhole, kWhole, kFractions, kFractions, kOne, kOne, kNone, kNone, kDecimal, kDecimal,
          kIncomplete, kIncomplete}},
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

// Every line of a column fits the column's width, so nothing is cut off at a
// sheet's edge or runs into the other column.
bool FitsWidth(const std::vector<std::string>& lines, double widthEm) {
    for (const std::string& line : lines) {
        if (WrappedLine(line, widthEm).size() != 1) {
            return false;
        }
    }
    return true;
}

TEST(WorksheetPages, SheetsHoldEveryEquationOnceDownTwoColumnsWithRoomToWork) {
    // Paper, count, pages of each sheet; every equation has 4 empty lines
    // under it: on A4 8 equations a column, 7 on Letter.
    const struct {
        const Paper& paper;
        int count;
        std::size_t pages;
    } rows[] = {
        {kA4, 1, 1}, {kA4, 16, 1}, {kA4, 17, 2}, {kA4, 20, 2}, {kA4, 40, 3}, {kLetter, 40, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.paper.name) + " " + std::to_string(row.count));
        const Worksheet worksheet = MakeWorksheet({7, row.count, 4, {}});
        const std::vector<PrintedDocument> documents =
            LayOutWorksheet(row.paper, worksheet, false, {8, 12, 2026});
        ASSERT_EQ(documents.size(), 8u);  // four sheets, then four keys
        for (const WorksheetVariant& variant : worksheet.variants) {
            const PrintedDocument& sheet = documents[static_cast<std::size_t>(variant.number - 1)];
            EXPECT_EQ(sheet.pages.size(), row.pages);
            const double columnEm = TextWidthEm(sheet) / 2 - 1;
            std::vector<std::string> equations;
            for (const PrintedPage& page : sheet.pages) {
                EXPECT_EQ(page.lines.front(), WorksheetHeading(7, variant.number));
                EXPECT_EQ(page.lines[1] == PupilLine(), &page == &sheet.pages.front());
                EXPECT_LE(page.lines.size(), LinesPerPage(sheet));
                EXPECT_LE(page.secondColumn.size(), LinesPerPage(sheet));
                EXPECT_TRUE(FitsWidth(page.lines, TextWidthEm(sheet)));
                const std::size_t top = page.lines[1] == PupilLine() ? 3 : 2;
                EXPECT_TRUE(FitsWidth(page.secondColumn, columnEm));
                for (const auto* column : {&page.lines, &page.secondColumn}) {
                    EXPECT_TRUE(std::all_of(column->begin(), column->begin() + top,
                                            [&](const std::string& line) {
                                                return column == &page.lines || line.empty();
                                            }));
                    for (std::size_t i = top; i < column->size(); i += 1 + kWorkLines) {
                        EXPECT_TRUE(FitsWidth({(*column)[i]}, columnEm)) << (*column)[i];
                        EXPECT_TRUE(
                            std::all_of(column->begin() + static_cast<long>(i) + 1,
                                        column->begin() + static_cast<long>(i) + 5,
                                        [](const std::string& line) { return line.empty(); }));
                        equations.push_back((*column)[i]);
                    }
                }
            }
            std::vector<std::string> expected;
            for (std::size_t i = 0; i < variant.equations.size(); ++i) {
                expected.push_back(std::to_string(i + 1) + ") " + variant.equations[i].text + "=0");
            }
            EXPECT_EQ(equations, expected);
            EXPECT_EQ(documents[4 + static_cast<std::size_t>(variant.number - 1)].title,
                      WorksheetKeyHeading(7, variant.number));
        }
    }
}

TEST(WorksheetPages, KeysGiveTheAnswerLinesOrTheWorkedSolutions) {
    const Worksheet worksheet =
        MakeWorksheet({3, 2, 2, {EquationKind::kWhole, EquationKind::kNone}});
    const WorksheetVariant& variant = worksheet.variants[1];
    const WorksheetEquation& first = variant.equations[0];
    const WorksheetEquation& second = variant.equations[1];
    EXPECT_EQ(WorksheetKeyLines(3, variant, false),
              (std::vector<std::string>{"Ответы. Вариант 2. Лист № 3", "",
                                        "1) " + first.text + "=0", AnswerLine(first),
                                        "2) " + second.text + "=0", "Ответ: Корней нет."}));
    std::vector<std::string> worked = {"Ответы. Вариант 2. Лист № 3", ""};
    for (std::size_t i = 0; i < 2; ++i) {
        const WorksheetEquation& equation = variant.equations[i];
        worked.push_back(std::to_string(i + 1) + ") " + equation.text + "=0");
        worked.insert(worked.end(), equation.solution.begin() + 1, equation.solution.end());
        worked.emplace_back();
    }
    EXPECT_EQ(WorksheetKeyLines(3, variant, true), worked);
    EXPECT_EQ(worked.size(), 2u + 11u + 8u);  // a solution of two roots, one of none
}

TEST(WorksheetPages, EveryKeyPageHasItsHeadingAndStartsWithAnEquation) {
    const WorksheetVariant variant = MakeWorksheet({7, 40, 2, {}}).variants[1];
    for (const bool worked : {false, true}) {
        SCOPED_TRACE(worked);
        const PrintedDocument key = LayOutWorksheetKey(kA4, 7, variant, worked, {8, 12, 2026});
        EXPECT_GT(key.pages.size(), 1u);
        std::string shown;
        for (const PrintedPage& page : key.pages) {
            ASSERT_GT(page.lines.size(), 2u);
            EXPECT_LE(page.lines.size(), LinesPerPage(key));
            EXPECT_EQ(page.lines[0], WorksheetKeyHeading(7, 2));
            EXPECT_EQ(page.lines[1], "");
            EXPECT_TRUE(page.lines[2].ends_with("=0")) << page.lines[2];
            for (std::size_t i = 2; i < page.lines.size(); ++i) {
                shown += page.lines[i];
            }
        }
        // The key's lines, none left out, however the pages cut them.
        std::string lines;
        for (const std::string& line : WorksheetKeyLines(7, variant, worked)) {
            lines += line;
        }
        EXPECT_EQ(WorksheetKeyHeading(7, 2) + shown, lines);
    }
}

}  // namespace
}  // namespace parabel
