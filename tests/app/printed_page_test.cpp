// The printed page's layout, which the window's printer and PDF and the
// page's print stylesheet all follow.
#include "app/printed_page.h"

#include <gtest/gtest.h>

#include <cmath>

namespace parabel {
namespace {

TEST(PrintedPage, PaperOfTheLocaleOrLanguage) {
    EXPECT_STREQ(PaperOfSize(216, 279).name, "Letter");
    EXPECT_STREQ(PaperOfSize(210, 297).name, "A4");
    EXPECT_STREQ(PaperOfSize(0, 0).name, "A4");  // no paper size known
    const std::pair<const char*, const char*> languages[] = {
        {"en-US", "Letter"}, {"es-MX", "Letter"}, {"fr-CA", "Letter"},  {"en_US.UTF-8", "Letter"},
        {"en-us", "Letter"}, {"ru-RU", "A4"},     {"ru", "A4"},         {"en-GB", "A4"},
        {"de", "A4"},        {"es-419", "A4"},    {"zh-Hant-TW", "A4"}, {"", "A4"},
    };
    for (const auto& [language, paper] : languages) {
        EXPECT_STREQ(PaperOfLanguage(language).name, paper) << language;
    }
}

TEST(PrintedPage, WholeDotsPerPicturePixel) {
    const std::pair<double, int> devices[] = {{72, 1},  {96, 1},  {150, 2},   {300, 3},
                                              {360, 4}, {600, 6}, {1200, 12}, {10, 1}};
    for (const auto& [dotsPerInch, dots] : devices) {
        EXPECT_EQ(DotsPerPicturePixel(dotsPerInch), dots) << dotsPerInch;
    }
}

TEST(PrintedPage, LongLinesWrapByTheWidthOfTheirCharacters) {
    // At 6 ems: eight digits or small Latin letters, five small Cyrillic, four capitals.
    const std::pair<std::string, std::vector<std::string>> lines[] = {
        {"", {""}},
        {"12345678", {"12345678"}},
        {"12345678901", {"12345678", "901"}},
        {"ab cd efgh ij", {"ab cd ", "efgh ij"}},  // after the last space that fits
        {"12345678   9", {"12345678   ", "9"}},    // spaces may stand beyond
        {"жжжжжжж", {"жжжжж", "жж"}},              // characters, not bytes
        {"ЩЩЩЩЩ", {"ЩЩЩЩ", "Щ"}},
        {"x^2+y^2=0", {"x^2+y^2", "=0"}},
    };
    for (const auto& [line, pieces] : lines) {
        EXPECT_EQ(WrappedLine(line, 6), pieces) << line;
    }
    EXPECT_EQ(WrappedLine("ЩЩ", 1), (std::vector<std::string>{"Щ", "Щ"}));
}

TEST(PrintedPage, TextAtTheListsSizeThenThePlotOnTheGridThenTheFooter) {
    const std::vector<std::string> solution = {"x^2-5x+6=0", "Решение", "Ответ: x(1)=3 ; x(2)=2"};
    // The lines on each sheet and the sheet of the plot (-1: none), for the
    // lines given and the picture (322 x 338, or none).
    const struct {
        const Paper& paper;
        std::vector<std::string> lines;
        bool picture;
        std::vector<std::size_t> linesPerSheet;
        int plotSheet;
    } rows[] = {
        {kA4, solution, true, {3}, 0},
        {kA4, solution, false, {3}, -1},
        // 53 digits a line on A4, 55 on Letter; 44 lines a sheet on A4.
        {kA4, {std::string(149, '8')}, true, {3}, 0},
        {kLetter, {std::string(149, '8')}, true, {3}, 0},
        {kA4, {std::string(1000, '8'), "Решение"}, true, {20}, 0},
        {kA4, {std::string(3000, '8'), "Решение"}, true, {44, 14}, 1},
        // The plot on a sheet of its own when the rest of the last is too short.
        {kA4, std::vector<std::string>(30, "Решение"), true, {30, 0}, 1},
        {kA4, std::vector<std::string>(50, "Решение"), false, {44, 6}, -1},
    };
    for (const auto& row : rows) {
        const PrintedDocument document = LayOutPrintedDocument(
            row.paper, row.lines, row.picture ? 322 : 0, row.picture ? 338 : 0, {7, 12, 2026});
        SCOPED_TRACE(std::string(row.paper.name) + " " + row.lines.front().substr(0, 20));
        EXPECT_EQ(document.fontSizePt, 12.0);
        EXPECT_EQ(document.title, row.lines.front());
        std::vector<std::size_t> linesPerSheet;
        std::string printed;
        int plotSheet = -1;
        for (const PrintedPage& page : document.pages) {
            linesPerSheet.push_back(page.lines.size());
            for (const std::string& line : page.lines) {
                printed += line;
            }
            if (page.plotTop) {
                plotSheet = static_cast<int>(linesPerSheet.size()) - 1;
                // Below the sheet's text, on the 1/100-inch grid, above the footer.
                EXPECT_GE(*page.plotTop,
                          document.textTop + document.lineHeight * double(page.lines.size()));
                for (const double corner : {document.plotLeft, *page.plotTop}) {
                    EXPECT_NEAR(corner / kPicturePixel, std::round(corner / kPicturePixel), 1e-9);
                }
                EXPECT_LE(*page.plotTop + 338 * kPicturePixel, row.paper.height - 20);
            }
            EXPECT_LE(document.textTop + document.lineHeight * double(page.lines.size()),
                      row.paper.height - 20);
        }
        EXPECT_EQ(linesPerSheet, row.linesPerSheet);
        EXPECT_EQ(plotSheet, row.plotSheet);
        std::string given;
        for (const std::string& line : row.lines) {
            given += line;
        }
        EXPECT_EQ(printed, given);
        EXPECT_EQ(document.pictureWidth, row.picture ? 322 : 0);
        EXPECT_NEAR(322 * kPicturePixel, 81.8, 0.1);
        EXPECT_LT(document.footerBaseline, row.paper.height);
        EXPECT_GT(document.footerBaseline, row.paper.height - 20);
        EXPECT_EQ(document.footerRight, "07.12.2026");
        EXPECT_EQ(document.footerLeft.rfind("Parabel ", 0), 0u);
    }
    EXPECT_EQ(PrintedDateText({1, 2, 33}), "01.02.0033");
}

}  // namespace
}  // namespace parabel
