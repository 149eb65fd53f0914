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

TEST(PrintedPage, LinesThenThePlotOnTheGridThenTheFooter) {
    const std::vector<std::string> shortLines = {"x^2-5x+6=0", "Решение", "Ответ: x(1)=3 ; x(2)=2"};
    const std::vector<std::string> longLines = {std::string(120, '8')};
    for (const Paper& paper : {kA4, kLetter}) {
        for (const auto& lines : {shortLines, longLines}) {
            const PrintedPage page = LayOutPrintedPage(paper, lines, 322, 338, {7, 12, 2026});
            SCOPED_TRACE(std::string(paper.name) + " " + lines.front());
            EXPECT_EQ(page.lines, lines);
            // The list's 12 points unless the longest line needs less to fit.
            const double longestMm =
                double(lines.back().size()) * 0.75 * page.fontSizePt * 25.4 / 72;
            EXPECT_LE(page.fontSizePt, 12.0);
            EXPECT_LE(page.textLeft + longestMm, paper.width - page.margin + 1e-9);
            EXPECT_EQ(page.fontSizePt == 12.0, lines == shortLines);
            // The plot below the text, on the 1/100-inch grid, 8.2 cm wide,
            // within the paper, above the footer.
            EXPECT_GE(page.plotTop, page.textTop + page.lineHeight * double(lines.size()));
            for (const double corner : {page.plotLeft, page.plotTop}) {
                EXPECT_NEAR(corner / kPicturePixel, std::round(corner / kPicturePixel), 1e-9);
            }
            EXPECT_NEAR(322 * kPicturePixel, 81.8, 0.1);
            EXPECT_LT(page.plotTop + 338 * kPicturePixel, page.footerBaseline - 10);
            EXPECT_LT(page.footerBaseline, paper.height);
            EXPECT_EQ(page.footerRight, "07.12.2026");
            EXPECT_EQ(page.footerLeft.rfind("Parabel ", 0), 0u);
        }
    }
    EXPECT_EQ(PrintedDateText({1, 2, 33}), "01.02.0033");
}

}  // namespace
}  // namespace parabel
