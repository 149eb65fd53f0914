#include "printed_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "app/version.h"
#include "core/ascii.h"
#include "core/utf8.h"

namespace parabel {

namespace {

constexpr double kMargin = 20.0;
constexpr double kListFontPt = 12.0;  // the list's 16 pixels at 96 pixels per inch
constexpr double kFooterFontPt = 9.0;
constexpr double kLineSpacing = 1.35;  // line height in font sizes
constexpr double kGapBeforePlot = 8.0;

// The regions of LC_PAPER's letter countries.
constexpr std::array<std::string_view, 11> kLetterRegions = {"US", "CA", "MX", "PH", "CL", "CO",
                                                             "VE", "CR", "GT", "PR", "SV"};

// The most a character can be wide in the list's bold sans font, in ems:
// digits, most small letters and the narrow signs 0.75; the other ASCII
// characters and three small Cyrillic letters 0.86; the widest small letters
// and a few signs 1.11; any other character (capital shcha, per mille, the
// numero sign) 1.45.
double WidestAdvanceEm(char32_t c) {
    // The Cyrillic small zhe, sha, shcha, ef, yeru, yu, lje, nje.
    constexpr std::u32string_view kWide =
        U"mwMW%@&\u0436\u0448\u0449\u0444\u044B\u044E\u0459\u045A";
    // The Cyrillic small de, em, hard sign.
    constexpr std::u32string_view kMedium = U"\u0434\u043C\u044A";
    constexpr std::u32string_view kNarrowSigns = U" !\"'(),-./:;[]_`{|}";
    if (kWide.find(c) != std::u32string_view::npos) {
        return 1.11;
    }
    if (kMedium.find(c) != std::u32string_view::npos) {
        return 0.86;
    }
    const bool smallLetter = (c >= U'a' && c <= U'z') || (c >= 0x430 && c <= 0x45F);
    if ((c >= U'0' && c <= U'9') || smallLetter ||
        kNarrowSigns.find(c) != std::u32string_view::npos) {
        return 0.75;
    }
    return c < 0x80 ? 0.86 : 1.45;
}

// The plot's corner on the grid of picture pixels, so that a device or a
// renderer of any multiple of 100 dots per inch puts every pixel on whole dots.
double OnPictureGrid(double millimetres) {
    return std::round(millimetres / kPicturePixel) * kPicturePixel;
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
    const auto number = [](int value, std::size_t digits) {
        return ZeroPadded(static_cast<std::uint32_t>(value), digits);
    };
    return number(date.day, 2) + "." + number(date.month, 2) + "." + number(date.year, 4);
}

std::vector<std::string> WrappedLine(std::string_view line, double widthEm) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    std::size_t afterSpace = std::string_view::npos;  // where the piece may end
    double width = 0;
    double widthAtSpace = 0;
    for (std::size_t i = 0; i < line.size();) {
        std::size_t next = i;
        char32_t codePoint = 0;
        if (!DecodeUtf8(line, next, codePoint)) {
            next = AfterBrokenUtf8(line, i);
        }
        const double advance = WidestAdvanceEm(codePoint);
        // A space may stand beyond the width: it ends the piece it follows.
        if (codePoint != U' ' && width + advance > widthEm && i > start) {
            const std::size_t cut = afterSpace != std::string_view::npos ? afterSpace : i;
            pieces.emplace_back(line.substr(start, cut - start));
            width = cut == i ? 0 : width - widthAtSpace;
            start = cut;
            afterSpace = std::string_view::npos;
        }
        width += advance;
        if (codePoint == U' ') {
            afterSpace = next;
            widthAtSpace = width;
        }
        i = next;
    }
    pieces.emplace_back(line.substr(start));
    return pieces;
}

std::size_t LinesPerPage(const PrintedDocument& document) {
    const double bottom = document.paper.height - document.margin;
    return static_cast<std::size_t>((bottom - document.textTop) / document.lineHeight);
}

double TextWidthEm(const PrintedDocument& document) {
    return (document.paper.width - 2 * document.margin) / (document.fontSizePt * kPointMm);
}

PrintedDocument LayOutPrintedDocument(const Paper& paper, const std::vector<std::string>& lines,
                                      int pictureWidth, int pictureHeight,
                                      const PrintedDate& date) {
    PrintedDocument document;
    document.paper = paper;
    document.title = lines.empty() ? std::string() : lines.front();
    document.margin = kMargin;
    document.textLeft = kMargin;
    document.textTop = kMargin;
    document.fontSizePt = kListFontPt;
    document.lineHeight = kListFontPt * kPointMm * kLineSpacing;
    document.plotLeft = OnPictureGrid(kMargin);
    document.pictureWidth = pictureWidth;
    document.pictureHeight = pictureHeight;
    document.footerFontSizePt = kFooterFontPt;
    document.footerBaseline = paper.height - kMargin / 2;
    document.footerLeft = std::string("Parabel ") + kVersion;
    document.footerRight = PrintedDateText(date);

    // The text and the plot stay above the bottom margin, the footer below.
    const double bottom = paper.height - kMargin;
    const std::size_t linesPerPage = LinesPerPage(document);
    const double widthEm = TextWidthEm(document);
    document.pages.emplace_back();
    for (const std::string& line : lines) {
        for (std::string& piece : WrappedLine(line, widthEm)) {
            if (document.pages.back().lines.size() == linesPerPage) {
                document.pages.emplace_back();
            }
            document.pages.back().lines.push_back(std::move(piece));
        }
    }
    if (pictureWidth > 0 && pictureHeight > 0) {
        const double belowText = OnPictureGrid(
            document.textTop +
            document.lineHeight * static_cast<double>(document.pages.back().lines.size()) +
            kGapBeforePlot);
        if (belowText + pictureHeight * kPicturePixel <= bottom) {
            document.pages.back().plotTop = belowText;
        } else {
            document.pages.emplace_back().plotTop = OnPictureGrid(document.textTop);
        }
    }
    return document;
}

}  // namespace parabel
