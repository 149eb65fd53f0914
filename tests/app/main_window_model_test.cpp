// The window's commands as a user sees their results, in the window and the
// page alike: the field, the list, the boxes, the plot's pixels, the saved
// and copied texts, the colour.
#include "app/main_window_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/equation_field.h"
#include "app/solve_and_draw.h"
#include "core/decimal_separator.h"
#include "core/solver.h"
#include "plot/main_plot.h"
#include "plot/picture.h"
#include "support/described_texts.h"

namespace parabel {
using parabel::testing::kConversionMessage;
using parabel::testing::kEquationTooLongMessage;
using parabel::testing::kFormMessage;

namespace {

// The framed panel that solving `equation` on a bare panel draws: what the
// window's plot and the page's canvas must show.
std::vector<Pixel> DrawnPanel(const std::string& equation, ColorValue color = 255) {
    RasterSurface panel(kPanelWidth, kPanelHeight, kWhitePixel);
    PlotState state;
    state.curveColor = color;
    SolveAndDraw(EquationFieldText(equation), panel, state);
    return ComposeMainPicture(panel).pixels;
}

std::vector<Pixel> Shown(const MainWindowModel& window) {
    return window.Picture().Compose().pixels;
}

// A window on its own settings text, read as at start-up.
struct Window {
    explicit Window(std::string settings = "") : settings(std::move(settings)) {
        EXPECT_FALSE(model.ReadCurveColor().HasError());  // clRed for none, as a first start
    }
    SettingsText settings;
    HistoryText history;
    MainWindowModel model{"Parabel", settings, history};
};

struct SolveRow {
    const char* typed;
    const char* field;  // the field afterwards
    bool listReplaced;
    std::size_t lines;    // how many the list shows then
    const char* message;  // the "Error" box, or ""
};

TEST(WindowSolve, FieldListBoxAndPicture) {
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
        Window window;
        const SolveReport report = window.model.Solve(EquationFieldText(row.typed));
        EXPECT_EQ(report.fieldText, row.field);
        EXPECT_EQ(report.listReplaced, row.listReplaced);
        EXPECT_EQ(report.lines.size(), row.lines);
        EXPECT_EQ(report.errorMessage, row.message);
        EXPECT_EQ(report.errorCaption, *row.message ? "Error" : "");
        EXPECT_EQ(Shown(window.model), DrawnPanel(row.field));
    }
}

TEST(WindowSolve, SavedFileIsWindows1251WithCrLf) {
    Window window;
    EXPECT_TRUE(window.model.SolutionFile().empty());  // before the first solve
    window.model.Solve("x^2+1");
    EXPECT_EQ(window.model.SolutionFile(),
              std::string("x^2+1=0\r\n\xD0\xE5\xF8\xE5\xED\xE8\xE5\r\n"
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
    // The printout's last line, "" for nothing to print, or null where the
    // story does not look; and whether the plot is printed.
    const char* printedLast = nullptr;
    bool printsPlot = false;
};

TEST(WindowSteps, EachCommandLeavesWhatTheWindowShowsAndSaves) {
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
            // A failed solve keeps the list and its equation, saves only its
            // own line, and prints that line with its message, without the
            // plot of the equation before.
            // A message of several lines is printed as its lines.
            {Step::kSolve, "5+3", "парабола y = x² - 4, корни 2 и -2", "x^2-4=0", "5+3=0", "x^2-4",
             " c-любое число"},
            {Step::kRefresh, "", "парабола y = x² - 4, корни 2 и -2", "x^2-4=0", "5+3=0", "x^2-4",
             " c-любое число"},
            {Step::kSolve, "x^2-1", "парабола y = x² - 1, корни 1 и -1", "x^2-1=0", "x^2-1=0",
             "x^2-1", "Ответ: x(1)=1 ; x(2)=-1", true},
            {Step::kSolve, "x^2-5y+6", "парабола y = x² - 1, корни 1 и -1", "x^2-1=0", "x^2-5y+6=0",
             "x^2-1", kConversionMessage},
            {Step::kClear, "", "нет графика", "", "x^2-5y+6=0", "", ""},
        },
        {
            // Every line, but a root that rounds to no double: the answer is
            // printed with the message, and no plot.
            {Step::kSolve, "x^2+2x+5", "парабола y = x² + 2x + 5, корней нет", "x^2+2x+5=0",
             "x^2+2x+5=0", "x^2+2x+5", "Ответ: Корней нет.", true},
            {Step::kSolve, "x^2-1e400x", "парабола y = x² + 2x + 5, корней нет", "x^2-1e400x=0",
             "x^2-1e400x=0", "x^2+2x+5", kConversionMessage},
        },
        {
            // The first line of a file, after a byte-order mark, in Windows-1251.
            {Step::kLoad, "\xEF\xBB\xBFX^2-1\r\nx^2-9\r\n", "парабола y = x² - 1, корни 1 и -1",
             "x^2-1=0", "x^2-1=0"},
            // The unassigned byte reads as "?": no number, the list stays.
            {Step::kLoad, "x^2+x\x98", "парабола y = x² - 1, корни 1 и -1", "x^2-1=0", "x^2+x?=0"},
        },
    };
    const std::vector<Pixel> emptyPanel = Shown(Window().model);
    for (const auto& story : stories) {
        Window window;
        MainWindowModel& model = window.model;
        for (const Step& step : story) {
            SCOPED_TRACE(step.input);
            switch (step.kind) {
                case Step::kSolve:
                    model.Solve(EquationFieldText(step.input));
                    break;
                case Step::kClear:
                    model.Clear();
                    break;
                case Step::kRefresh:
                    model.Refresh();
                    break;
                case Step::kLoad:
                    model.LoadBytes(step.input);
                    break;
            }
            EXPECT_EQ(model.Description(), step.description);
            const std::string copied = model.CopiedSolution();
            EXPECT_EQ(copied.substr(0, copied.find('\n')), step.copied);
            const std::string file = model.SolutionFile();
            EXPECT_EQ(file.substr(0, file.find('\r')), step.savedFirstLine);
            if (step.panel) {
                EXPECT_EQ(Shown(model), *step.panel ? DrawnPanel(step.panel) : emptyPanel);
            }
            if (step.printedLast) {
                const auto printed = model.PrintedDocumentOn(kA4, {8, 12, 2026});
                ASSERT_EQ(printed.has_value(), *step.printedLast != 0);
                if (printed) {
                    std::vector<std::string> lines;
                    for (const PrintedPage& page : printed->pages) {
                        lines.insert(lines.end(), page.lines.begin(), page.lines.end());
                    }
                    EXPECT_EQ(lines.front(), step.savedFirstLine);
                    EXPECT_EQ(lines.back(), step.printedLast);
                    EXPECT_EQ(printed->pictureWidth > 0, step.printsPlot);
                }
            }
        }
    }
}

TEST(WindowLoad, FileWithoutFirstLineEmptiesTheFieldAndSaysSo) {
    for (const std::string& content :
         {std::string(), std::string("\xEF\xBB\xBF"), std::string("\0x^2", 4)}) {
        Window window;
        window.model.Solve("x^2-4");
        const LoadReport report = window.model.LoadBytes(content);
        EXPECT_TRUE(report.ended);
        EXPECT_EQ(report.errorCaption, "Parabel");
        EXPECT_EQ(report.errorMessage, "List index out of bounds (0)");
        EXPECT_EQ(report.fieldText, "");
        EXPECT_FALSE(report.listReplaced);
    }
}

// "x^2-5x+0...06", `length` characters: x^2-5x+6 however many zeros.
std::string LongEquation(std::size_t length) {
    return "x^2-5x+" + std::string(length - 8, '0') + "6";
}

std::string Repeated(const std::string& text, std::size_t times) {
    std::string repeated;
    for (std::size_t i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

// A text the field cannot hold with its "=0", typed or loaded, is refused
// whole with a box: nothing is solved, cut or changed.
TEST(WindowField, TextLongerThanTheFieldIsRefusedWhole) {
    const std::size_t most = kEquationFieldMaxLength;
    struct Row {
        const char* what;
        bool loaded;
        std::string text;
        bool solved;
    };
    const Row rows[] = {
        {"typed, the field's length with =0", false, LongEquation(most - 2), true},
        {"typed with its =0", false, LongEquation(most - 2) + "=0", true},
        {"typed, one more", false, LongEquation(most - 1), false},
        {"pasted, 100000 characters", false, LongEquation(100000), false},
        {"loaded, the field's length with =0", true, LongEquation(most - 2) + "\r\n", true},
        {"loaded, one more", true, LongEquation(most - 1) + "\r\n", false},
        {"loaded beyond what is read", true, "x^2-4" + std::string(50000, ' ') + "+1", false},
        {"loaded, four UTF-8 bytes a character beyond what is read", true,
         "\xEF\xBB\xBF" + Repeated("\xF0\x9F\x98\x80", most + 1) + "x^2-4", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Window window;
        window.model.Solve("x^2-4");
        const SolveReport report = row.loaded ? window.model.LoadBytes(row.text)
                                              : window.model.Solve(EquationFieldText(row.text));
        if (row.solved) {
            EXPECT_FALSE(report.HasError());
            EXPECT_EQ(report.fieldText, LongEquation(most - 2) + "=0");
            EXPECT_EQ(report.lines.back(), "Ответ: x(1)=3 ; x(2)=2");
            continue;
        }
        EXPECT_EQ(report.errorCaption, EquationTooLongBox().errorCaption);
        EXPECT_EQ(report.errorMessage, kEquationTooLongMessage);
        EXPECT_EQ(report.fieldText, std::nullopt);
        EXPECT_FALSE(report.listReplaced);
        EXPECT_EQ(window.model.savedSolution()->front(), "x^2-4=0");
    }
}

struct ColorRow {
    const char* settings;     // Inf.ini's bytes as kept
    const char* hex;          // the colour the chooser opens with
    const char* error;        // the start-up box, or ""
    const char* writtenBack;  // Inf.ini after the colour command
};

TEST(WindowColor, SettingsTextIsInfIni) {
    const ColorRow rows[] = {
        {"", "#ff0000", "", "[1]\r\nColor=clRed\r\n"},
        {"[1]\r\nColor=clBlue\r\n", "#0000ff", "", "[1]\r\nColor=clBlue\r\n"},
        {"[1]\nColor=$0000FF00\n[2]\nx=1\n", "#00ff00", "", "[1]\nColor=clLime\n[2]\nx=1\n"},
        {"[1]\r\nColor=purple\r\n", "#000000", "'purple' is not a valid integer value.",
         "[1]\r\nColor=clBlack\r\n"},
        {"[1]\r\nColor=\r\n", "#000000", "'' is not a valid integer value.",
         "[1]\r\nColor=clBlack\r\n"},
        {"[1]\r\nColor=$100000000\r\n", "#000000", "'$100000000' is not a valid integer value.",
         "[1]\r\nColor=clBlack\r\n"},
        // Every form of a colour text is read, and written back canonical.
        {"[1]\r\nColor=CLBLUE\r\n", "#0000ff", "", "[1]\r\nColor=clBlue\r\n"},
        {"[1]\r\nColor=16711680\r\n", "#0000ff", "", "[1]\r\nColor=clBlue\r\n"},
        {"[1]\r\nColor=255\r\n", "#ff0000", "", "[1]\r\nColor=clRed\r\n"},
        {"[1]\r\nColor=$00FF8000\r\n", "#0080ff", "", "[1]\r\nColor=$00FF8000\r\n"},
        {"[1]\r\nColor=12   \r\n", "#0c0000", "", "[1]\r\nColor=$0000000C\r\n"},
        {"[1]\r\nColor=clbtnface\r\n", "#d4d0c8", "", "[1]\r\nColor=clBtnFace\r\n"},
        {"[1]\r\nColor=-1\r\n", "#000000", "", "[1]\r\nColor=$FFFFFFFF\r\n"},
    };
    for (const ColorRow& row : rows) {
        SCOPED_TRACE(row.settings);
        SettingsText settings(row.settings);
        HistoryText history;
        MainWindowModel model("Parabel", settings, history);
        const Report report = model.ReadCurveColor();
        EXPECT_EQ(report.errorMessage, row.error);
        EXPECT_EQ(model.CurveColorHex(), row.hex);
        model.ChooseCurveColor(std::nullopt);  // Cancel writes the text back too
        EXPECT_EQ(settings.bytes(), row.writtenBack);
    }
}

TEST(WindowColor, ChosenColourDrawsTheCurveAndIsKept) {
    Window window;
    window.model.Solve("x^2-9");
    EXPECT_FALSE(window.model.ChooseCurveColor(ColorFromHex("#1a2b3c")).HasError());
    EXPECT_EQ(Shown(window.model), DrawnPanel("x^2-9", 0x3C2B1A));
    EXPECT_EQ(window.settings.bytes(), "[1]\r\nColor=$003C2B1A\r\n");
    EXPECT_EQ(window.model.CurveColorHex(), "#1a2b3c");
}

TEST(WindowHistory, SolvedEquationsAreRememberedAndKept) {
    struct Row {
        const char* what;
        std::optional<std::string> kept;  // the history's text at start-up
        std::vector<const char*> typed;   // each solved in turn
        std::vector<std::string> history;
        std::optional<std::string> keptAfter;  // nothing: not written
    };
    const Row rows[] = {
        {"none kept",
         std::nullopt,
         {"X²−5x+6", "5+3", "x^2+zx", "1e4000x^2", "x^2-4"},
         {"x^2-4=0", "x^2-5x+6=0"},
         "x^2-4=0\nx^2-5x+6=0\n"},
        {"kept, and an equation solved again moves first",
         "x^2=0\nx^2-1=0\n",
         {"x^2-1"},
         {"x^2-1=0", "x^2=0"},
         "x^2-1=0\nx^2=0\n"},
        {"solved again while first: nothing written",
         "x^2=0\n",
         {"x^2=0"},
         {"x^2=0"},
         std::nullopt},
        {"a damaged history is replaced", "x^2\xFF\n", {"x^2"}, {"x^2=0"}, "x^2=0\n"},
        {"a damaged history is not shown", "x^2\xFF\n", {"5+3"}, {}, std::nullopt},
    };
    // The page keeps them once each solve is shown: the same, later.
    for (const bool deferred : {false, true}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.what) + (deferred ? ", deferred" : ""));
            SettingsText settings;
            HistoryText history;
            history.SetText(row.kept);
            MainWindowModel model("Parabel", settings, history);
            model.ReadHistory();
            if (deferred) {
                model.DeferHistory();
            }
            history.SetText(std::nullopt);  // to see what is written
            for (const char* typed : row.typed) {
                model.Solve(EquationFieldText(typed));
            }
            if (deferred) {
                EXPECT_EQ(history.text(), std::nullopt);
                model.KeepSolvedInHistory();
            }
            EXPECT_EQ(model.history(), row.history);
            EXPECT_EQ(history.text(), row.keptAfter);
        }
    }
    // Up and Down walk it; a solve ends the walk; clearing it is kept too.
    SettingsText settings;
    HistoryText history;
    MainWindowModel model("Parabel", settings, history);
    model.DeferHistory();  // the walk keeps what was solved first
    model.Solve("x^2-1");
    model.Solve("x^2-4");
    EXPECT_EQ(model.HistoryOlder("x^2+"), "x^2-4=0");
    EXPECT_EQ(model.HistoryOlder("x^2-4=0"), "x^2-1=0");
    model.Solve("x^2-9");
    EXPECT_EQ(model.HistoryNewer(), std::nullopt);
    EXPECT_EQ(model.HistoryOlder(""), "x^2-9=0");
    model.ClearHistory();
    EXPECT_TRUE(model.history().empty());
    EXPECT_EQ(history.text(), "");
    EXPECT_EQ(model.HistoryNewer(), std::nullopt);
}

TEST(WindowNumbers, DecimalSeparatorReachesListAndDescription) {
    const ScopedDecimalSeparator comma(',');
    Window window;
    const SolveReport report = window.model.Solve("x^2-2,25");
    ASSERT_GE(report.lines.size(), 6u);
    EXPECT_EQ(report.lines[5], "x(1)=1,5");
    EXPECT_EQ(window.model.Description(), "парабола y = x² - 2,25, корни 1,5 и -1,5");
}

}  // namespace
}  // namespace parabel
