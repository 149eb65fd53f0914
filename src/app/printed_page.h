// The pages the print and save-as-PDF commands make, laid out once for the
// window and the browser: the equation line and the worked solution, the
// plot's very pixels at a whole number of device dots per picture pixel, and
// the date in a footer. Lengths are in millimetres from each sheet's
// top-left corner; each face draws them on its own device.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parabel {

struct Paper {
    const char* name;  // "A4" or "Letter", as CSS's @page size and Qt name them
    double width = 0;
    double height = 0;
};

inline constexpr Paper kA4{"A4", 210.0, 297.0};
inline constexpr Paper kLetter{"Letter", 215.9, 279.4};

// The paper of a locale's paper size (as LC_PAPER gives it, in whole
// millimetres): Letter for 216 x 279, A4 for anything else.
Paper PaperOfSize(int widthMm, int heightMm);
// The paper of a language tag's region ("en-US", "es-MX"): Letter where the
// region uses it (the United States, Canada, Mexico and the others of
// LC_PAPER's letter countries), A4 elsewhere and without a region.
Paper PaperOfLanguage(const std::string& languageTag);

struct PrintedDate {
    int day = 1;
    int month = 1;
    int year = 2000;
};

// One sheet of the printout: its lines, each short enough for the paper's
// width, and the plot when it stands on this sheet. A worksheet's sheet has
// a second column of lines too, row by row beside the first from the
// sheet's first line, at the document's secondColumnLeft; its rows beside
// full-width lines of the first column are empty.
struct PrintedPage {
    std::vector<std::string> lines;
    std::optional<double> plotTop;
    std::vector<std::string> secondColumn;
};

// The printout: the text, in the list's font (bold sans) and size, one line
// under the other from the first sheet on, a line too long for the paper
// wrapped onto further lines; the plot below it, on a further sheet when the
// rest of the last one is too short; a footer on every sheet.
struct PrintedDocument {
    Paper paper;
    std::string title;  // the equation line, for the document's title
    std::vector<PrintedPage> pages;
    double textLeft = 0;
    double textTop = 0;  // the top of each sheet's first line
    double fontSizePt = 0;
    double lineHeight = 0;
    // The plot: the picture's pixels at pictureWidth x pictureHeight (0 x 0
    // for none), each kPicturePixel millimetres (1/100 inch) square, or as
    // near as a device of another resolution has whole dots for
    // (DotsPerPicturePixel); its corner on that 1/100-inch grid.
    double plotLeft = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    // The footer: the program on the left, the date on the right.
    std::string footerLeft;
    std::string footerRight;
    double footerBaseline = 0;
    double footerFontSizePt = 0;
    double margin = 0;            // left and right, and below the text
    double secondColumnLeft = 0;  // where a page's second column starts
};

// A picture pixel on paper: 1/100 inch, so 322 pixels come to 8.2 cm.
inline constexpr double kPicturePixel = 0.254;
// A typographic point in millimetres.
inline constexpr double kPointMm = 25.4 / 72.0;
// The resolution a page is drawn for where the device names none (a PDF,
// the browser's print).
inline constexpr int kPrintDotsPerInch = 600;

// Dots per picture pixel on a device of `dotsPerInch`: the whole number
// nearest to 1/100 inch of its dots, at least 1 (300 dpi: 3, 600: 6, 1200:
// 12; 96: 1).
int DotsPerPicturePixel(double dotsPerInch);

// The printout of `lines` (the equation line first) and a picture of
// pictureWidth x pictureHeight pixels (0 x 0: no plot), at the list's size.
PrintedDocument LayOutPrintedDocument(const Paper& paper, const std::vector<std::string>& lines,
                                      int pictureWidth, int pictureHeight, const PrintedDate& date);

// The lines of text a sheet of `document` holds above its bottom margin, and
// the width of the text between its side margins in the font's ems.
std::size_t LinesPerPage(const PrintedDocument& document);
double TextWidthEm(const PrintedDocument& document);

// `line` cut into pieces that are each at most `widthEm` wide in the list's
// bold font, by the widest its characters can be: after the last space that
// fits, or after the last character that fits where no space does. The
// pieces joined give the line back; an empty line stays one empty piece.
std::vector<std::string> WrappedLine(std::string_view line, double widthEm);

// The date as the footer writes it: "07.12.2026".
std::string PrintedDateText(const PrintedDate& date);

}  // namespace parabel
