// The page's commands as a user sees their results: the field, the list,
// the boxes, the plot's pixels, the saved and copied texts, the colour.
#include "web/page_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/picture_file.h"
#include "app/solve_and_draw.h"
#include "core/decimal_separator.h"
#include "core/solver.h"
#include "plot/main_plot.h"
#include "plot/picture.h"
#include "web/picture_bytes.h"

namespace parabel::web {
namespace {

// The framed panel a fresh desktop window shows after solving `equation`,
// as RGBA bytes: what the page's canvas must hold.
std::vector<std::uint8_t> DesktopPanel(const std::string& equation, ColorValue color = 255) {
    RasterSurface panel(kPanelWidth, kPanelHeight, kWhitePixel);
    PlotState state;
    state.curveColor = color;
    SolveAndDraw(equation, panel, state);
    std::vector<std::uint8_t> rgba;
    PictureRgba(MainPictureRows(panel), rgba);
    return rgba;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

PageModel RedPage() {
    PageModel page;
    EXPECT_FALSE(page.ReadSettings("").HasError());  // clRed, as a first start
    return page;
}

struct SolveRow {
    const char* typed;
    const char* field;  // the field afterwards
    bool listReplaced;
    std::size_t lines;    // how many the list shows then
    const char* message;  // the "Error" box, or ""
};

TEST(PageSolve, FieldListBoxAndPictureAreTheWindows) {
    const SolveRow rows[] = {
        {"x^2-5x+6", "x^2-5x+6=0", true, 9, ""},
        {"X²-4=0", "x^2-4=0", true, 9, ""},
        {"-x^2", "-x^2=0", true, 7, ""},
        {"x^2+1", "x^2+1=0", true, 6, ""},
        {"5+3", "5+3", false, 0, kFormMessage},
        // A coefficient that is no number leaves the list; a fault in D empties it.
        {"x^2+zx", "x^2+zx", false, 0, kConversionMessage},
        {"x^2+1e4930x", "x^2+1e4930x", true, 0, kConversionMessage},
        // Solved, but the curve overflows on the panel: every line stays.
        {"1e4000x^2", "1e4000x^2=0", true, 7, kConversionMessage},
    };
    for (const SolveRow& row : rows) {
        SCOPED_TRACE(row.typed);
        PageModel page = RedPage();
        const SolveReport report = page.Solve(row.typed);
        EXPECT_EQ(report.fieldText, row.field);
        EXPECT_EQ(report.listReplaced, row.listReplaced);
        EXPECT_EQ(report.lines.size(), row.lines);
        EXPECT_EQ(report.errorMessage, row.message);
        EXPECT_EQ(report.errorCaption, *row.message ? "Error" : "");
        EXPECT_EQ(page.PanelRgba(), DesktopPanel(row.field));
    }
}

TEST(PageSolve, SavedFileIsWindows1251WithCrLf) {
    PageModel page = RedPage();
    EXPECT_TRUE(page.SolutionFile().empty());  // before the first solve
    page.Solve("x^2+1");
    EXPECT_EQ(page.SolutionFile(),
              Bytes("x^2+1=0\r\n\xD0\xE5\xF8\xE5\xED\xE8\xE5\r\n"
                    "__________________________\r\n"
                    "D=(0)^2-4*(1)*(1)=-4\r\nD<0 - \xCA\xEE\xF0\xED\xE5\xE9 \xED\xE5\xF2.\r\n"
                    "__________________________\r\n"
                    "\xCE\xF2\xE2\xE5\xF2: \xCA\xEE\xF0\xED\xE5\xE9 \xED\xE5\xF2.\r\n"));
}

// What the user does, one step after another, and what each leaves.
struct Step {
    enum Kind { kSolve, kClear, kRefresh, kLoad } kind;
    std::string input;
    // Afterwards:
    const char* description;
    const char* copied;          // the copy-solution text's first line, or ""
    const char* savedFirstLine;  // the saved file's first line, or "" for none
    // The window's panel after solving this equation, "" for the empty panel,
    // or null where the story does not look.
    const char* panel = nullptr;
};

TEST(PageSteps, EachCommandLeavesWhatTheWindowLeavesOnScreenAndInFiles) {
    const std::vector<std::vector<Step>> stories = {
        {
            {Step::kRefresh, "", "нет графика", "", "", ""},
            {Step::kSolve, "x^2-5x+6", "парабола y = x² - 5x + 6, корни 3 и 2", "x^2-5x+6=0",
             "x^2-5x+6=0", "x^2-5x+6"},
            {Step::kRefresh, "", "парабола y = x² - 5x + 6, корни 3 и 2", "x^2-5x+6=0",
             "x^2-5x+6=0", "x^2-5x+6"},
            // Clear keeps the saved solution; nothing is left to copy or refresh.
            {Step::kClear, "", "нет графика", "", "x^2-5x+6=0", ""},
            {Step::kRefresh, "", "нет графика", "", "x^2-5x+6=0", ""},
        },
        {
            {Step::kSolve, "x^2-4", "парабола y = x² - 4, корни 2 и -2", "x^2-4=0", "x^2-4=0"},
            // A failed solve keeps the list and its equation, saves only its own line.
            {Step::kSolve, "5+3", "парабола y = x² - 4, корни 2 и -2", "x^2-4=0", "5+3=0"},
            {Step::kRefresh, "", "парабола y = x² - 4, корни 2 и -2", "x^2-4=0", "5+3=0"},
        },
        {
            // The first line of a file, after a byte-order mark, in Windows-1251.
            {Step::kLoad, "\xEF\xBB\xBFX^2-1\r\nx^2-9\r\n", "парабола y = x² - 1, корни 1 и -1",
             "x^2-1=0", "x^2-1=0"},
            // The unassigned byte reads as "?": no number, the list stays.
            {Step::kLoad, "x^2+x\x98", "парабола y = x² - 1, корни 1 и -1", "x^2-1=0", "x^2+x?=0"},
        },
    };
    const std::vector<std::uint8_t> emptyPanel = RedPage().PanelRgba();
    for (const auto& story : stories) {
        PageModel page = RedPage();
        for (const Step& step : story) {
            SCOPED_TRACE(step.input);
            switch (step.kind) {
                case Step::kSolve:
                    page.Solve(step.input);
                    break;
                case Step::kClear:
                    page.Clear();
                    break;
                case Step::kRefresh:
                    page.Refresh();
                    break;
                case Step::kLoad:
                    page.LoadEquation(step.input);
                    break;
            }
            EXPECT_EQ(page.Description(), step.description);
            const std::string copied = page.CopiedSolution();
            EXPECT_EQ(copied.substr(0, copied.find('\n')), step.copied);
            std::vector<std::uint8_t> saved = page.SolutionFile();
            const std::string file(saved.begin(), saved.end());
            EXPECT_EQ(file.substr(0, file.find('\r')), step.savedFirstLine);
            if (step.panel) {
                EXPECT_EQ(page.PanelRgba(), *step.panel ? DesktopPanel(step.panel) : emptyPanel);
            }
        }
    }
}

TEST(PageLoad, FileWithoutFirstLineEmptiesTheFieldAndSaysSo) {
    for (const std::string& content :
         {std::string(), std::string("\xEF\xBB\xBF"), std::string("\0x^2", 4)}) {
        PageModel page = RedPage();
        page.Solve("x^2-4");
        const SolveReport report = page.LoadEquation(content);
        EXPECT_EQ(report.errorCaption, "Parabel");
        EXPECT_EQ(report.errorMessage, "List index out of bounds (0)");
        EXPECT_EQ(report.fieldText, "");
        EXPECT_FALSE(report.listReplaced);
    }
}

TEST(PageLoad, FirstLineIsReadUpToTheFieldsLength) {
    PageModel page = RedPage();
    std::string huge = "x^2-4" + std::string(40000, ' ') + "+1";
    const SolveReport report = page.LoadEquation(huge);
    // The "+1" lies beyond what is read: the equation solved is x^2-4.
    ASSERT_TRUE(report.fieldText);
    EXPECT_EQ(report.fieldText->substr(0, 5), "x^2-4");
    EXPECT_EQ(report.fieldText->find("+1"), std::string::npos);
}

struct ColorRow {
    const char* settings;     // Inf.ini's bytes as kept
    const char* hex;          // the colour the chooser opens with
    const char* error;        // the start-up box, or ""
    const char* writtenBack;  // Inf.ini after the colour command
};

TEST(PageColor, SettingsTextIsInfIni) {
    const ColorRow rows[] = {
        {"", "#ff0000", "", "[1]\r\nColor=clRed\r\n"},
        {"[1]\r\nColor=clBlue\r\n", "#0000ff", "", "[1]\r\nColor=clBlue\r\n"},
        {"[1]\nColor=$0000FF00\n[2]\nx=1\n", "#00ff00", "", "[1]\nColor=clLime\n[2]\nx=1\n"},
        {"[1]\r\nColor=purple\r\n", "#000000", "'purple' is not a valid integer value.",
         "[1]\r\nColor=clBlack\r\n"},
    };
    for (const ColorRow& row : rows) {
        SCOPED_TRACE(row.settings);
        PageModel page;
        const Report report = page.ReadSettings(row.settings);
        EXPECT_EQ(report.errorMessage, row.error);
        EXPECT_EQ(page.CurveColorHex(), row.hex);
        page.ChooseCurveColor(std::nullopt);  // Cancel writes the text back too
        EXPECT_EQ(page.WriteSettings(row.settings), row.writtenBack);
    }
}

TEST(PageColor, ChosenColourDrawsTheCurveAndIsKept) {
    PageModel page = RedPage();
    page.Solve("x^2-9");
    EXPECT_FALSE(page.ChooseCurveColor("#1a2b3c").HasError());
    EXPECT_EQ(page.PanelRgba(), DesktopPanel("x^2-9", 0x3C2B1A));
    EXPECT_EQ(page.WriteSettings(""), "[1]\r\nColor=$003C2B1A\r\n");
    // Not a colour: the colour stays.
    page.ChooseCurveColor("navy");
    EXPECT_EQ(page.CurveColorHex(), "#1a2b3c");
}

TEST(PageNumbers, DecimalSeparatorReachesListAndDescription) {
    const ScopedDecimalSeparator comma(',');
    PageModel page = RedPage();
    const SolveReport report = page.Solve("x^2-2,25");
    ASSERT_GE(report.lines.size(), 6u);
    EXPECT_EQ(report.lines[5], "x(1)=1,5");
    EXPECT_EQ(page.Description(), "парабола y = x² - 2,25, корни 1,5 и -1,5");
}

TEST(PagePlot, BmpHoldsThePanelsPixels) {
    PageModel page = RedPage();
    page.Solve("0.5x^2-3");
    const std::vector<std::uint8_t> bmp = page.PlotBmp();
    const std::vector<std::uint8_t>& rgba = page.PanelRgba();
    ASSERT_EQ(bmp.size(), 14u + 40 + 1024 + 322 * 338 * 4);
    const std::uint8_t* pixels = bmp.data() + 14 + 40 + 1024;
    for (int y = 0; y < 338; ++y) {
        for (int x = 0; x < 322; ++x) {
            const std::uint8_t* stored = pixels + ((337 - y) * 322 + x) * 4;  // bottom up, BGR0
            const std::uint8_t* shown = rgba.data() + (y * 322 + x) * 4;
            ASSERT_EQ((std::vector<int>{stored[2], stored[1], stored[0]}),
                      (std::vector<int>{shown[0], shown[1], shown[2]}))
                << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace parabel::web
