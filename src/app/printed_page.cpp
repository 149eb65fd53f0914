#include "printed_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "app/version.h"
#include "core/utf8.h"

namespace parabel {

namespace {

constexpr double kMargin = 20.0;
constexpr double kListFontPt = 12.0;  // the list's 16 pixels at 96 pixels per inch
constexpr double kFooterFontPt = 9.0;
// The widest character of the list's bold sans font, in ems (digits and
// most letters are narrower), so that a line laid out by its length fits.
constexpr double kWidestCharacterEm = 0.75;
constexpr double kLineSpacing = 1.35;  // line height in font sizes
constexpr double kGapBeforePlot = 8.0;

// The regions of LC_PAPER's letter countries.
constexpr std::array<std::string_view, 11> kLetterRegions = {"US", "CA", "MX", "PH", "CL", "CO",
                                                             "VE", "CR", "GT", "PR", "SV"};

std::size_t CharacterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t codePoint;
        if (!DecodeUtf8(utf8, i, codePoint)) {
            ++i;
        }
        ++count;
    }
    return count;
}

}  // namespace

Paper PaperOfSize(int widthMm, int heightMm) {
    return widthMm == 216 && heightMm == 279 ? kLetter : kA4;
}

Paper PaperOfLanguage(const std::string& languageTag) {
    // The region is a later subtag of two letters: "en-US", "es-419" has none.
    std::string_view rest = languageTag;
    rest = rest.substr(0, rest.find('.'));  // "en_US.UTF-8"
    bool first = true;
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("-_");
        const std::string_view subtag = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!first && subtag.size() == 2) {
            const std::string region{static_cast<char>(subtag[0] & ~0x20),
                                     static_cast<char>(subtag[1] & ~0x20)};
            return std::find(kLetterRegions.begin(), kLetterRegions.end(), region) !=
                           kLetterRegions.end()
                       ? kLetter
                       : kA4;
        }
        first = false;
    }
    return kA4;
}

int DotsPerPicturePixel(double dotsPerInch) {
    return std::max(1, static_cast<int>(std::lround(dotsPerInch / 100.0)));
}

std::string PrintedDateText(const PrintedDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
    return text;
}

PrintedPage LayOutPrintedPage(const Paper& paper, std::vector<std::string> lines, int pictureWidth,
                              int pictureHeight, const PrintedDate& date) {
    PrintedPage page;
    page.paper = paper;
    page.margin = kMargin;
    page.textLeft = kMargin;
    page.textTop = kMargin;
    std::size_t longest = 1;
    for (const std::string& line : lines) {
        longest = std::max(longest, CharacterCount(line));
    }
    const double width = paper.width - 2 * kMargin;
    page.fontSizePt = std::min(
        kListFontPt, width / (static_cast<double>(longest) * kWidestCharacterEm * kPointMm));
    page.lineHeight = page.fontSizePt * kPointMm * kLineSpacing;
    // The plot on the grid of picture pixels, so that a device or a renderer
    // of any multiple of 100 dots per inch puts every pixel on whole dots.
    const auto onGrid = [](double millimetres) {
        return std::round(millimetres / kPicturePixel) * kPicturePixel;
    };
    page.plotLeft = onGrid(kMargin);
    page.plotTop =
        onGrid(page.textTop + page.lineHeight * static_cast<double>(lines.size()) + kGapBeforePlot);
    page.pictureWidth = pictureWidth;
    page.pictureHeight = pictureHeight;
    page.lines = std::move(lines);
    page.footerFontSizePt = kFooterFontPt;
    page.footerBaseline = paper.height - kMargin / 2;
    page.footerLeft = std::string("Parabel ") + kVersion;
    page.footerRight = PrintedDateText(date);
    return page;
}

}  // namespace parabel
