// The main window without widgets: the equation field's solve, the worked
// solution, the 300 x 320 plot panel in its frame with the pointer read-out,
// the files the window saves and loads, the copied texts and pictures, and
// the curve colour kept in the settings. Each command is written here once;
// the desktop window, the page and their tests run it and only show what it
// leaves: the field's text, the list's lines, the panel's pixels and the box.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/equation_field.h"
#include "app/equation_history.h"
#include "app/error_report.h"
#include "app/history_store.h"
#include "app/picture_file.h"
#include "app/printed_page.h"
#include "app/settings_store.h"
#include "core/messages.h"
#include "io/text_files.h"
#include "plot/picture.h"
#include "plot/plot_state.h"
#include "plot/raster_surface.h"

namespace parabel {

namespace testing {
struct ModelProbe;
}

// The solve and load commands: besides their box, what the equation field and
// the solution list show afterwards.
struct SolveReport : Report {
    // Nothing when the command left the field as it was.
    std::optional<std::string> fieldText;
    // True when the list now shows `lines`; false when it keeps its own.
    bool listReplaced = false;
    std::vector<std::string> lines;
};

// The load command: its box ends the command when `ended` is set (a fault
// drawing the plot, a file that cannot be read or yields no line): nothing
// after it runs, and the file dialog keeps the name. `missing`: the name
// finds no file; the window says so in a box of its own (MissingFileBox),
// after the report's own, and asks again.
struct LoadReport : SolveReport {
    bool ended = false;
    bool missing = false;
};

// The box for a file name that finds no file: the error caption, and the
// missing file's message with the name.
Report MissingFileBox(const std::string& name);

class MainWindowModel {
  public:
    // The most bytes of a file that the load command reads: enough for a
    // first line as long as the field can hold (a UTF-8 byte-order mark,
    // then at most 4 bytes a character), so that a longer line, cut here, is
    // still longer than that and refused, never solved cut.
    static constexpr std::size_t kLoadedBytes = 3 + 4 * (kEquationFieldMaxLength + 1);

    // The panel as the window shows it before the first solve. `title` is the
    // program's, which captions the general error report; the colour is 0
    // until ReadCurveColor, the history empty until ReadHistory. The stores
    // outlive the model.
    MainWindowModel(std::string title, SettingsStore& settings, HistoryStore& history);

    const std::string& title() const { return title_; }

    // The window's first paint: the axes drawn once and covered again, so
    // the panel shows its backdrop until the first plot.
    Report PaintFirstTime();
    // The solve command (Enter) on the field's text as the field holds it
    // (EquationFieldText): solved, drawn and kept; a failure reports the
    // "Error" box with its message. A solve without a box is remembered in
    // the history, as the field shows it afterwards. A text that the field
    // could not hold with its "=0" (FitsSolvedEquation) is not solved: the
    // box says so and nothing changes.
    SolveReport Solve(std::string_view fieldText);
    // The language command: every text from now on in `language`, and the
    // lines of the last solve (the list's, the saved and the printed ones)
    // written again in it as that solve wrote them; the field, the plot and
    // the history stay. The report carries the list's new lines, if it shows
    // any.
    SolveReport ChangeLanguage(Language language);
    // The refresh command (F5), and the redraw after any dialog, box or
    // window that covered the plot: the plot drawn again from what it stored.
    Report Refresh();
    // The clear command: the list is emptied (the window empties the field
    // too), the panel shows its backdrop and nothing is stored to refresh;
    // the saved solution stays.
    Report Clear();

    // The load command once a file is chosen, by its name (the window; its
    // bytes, which need not be UTF-8): the plot drawn again, the field
    // emptied, the file's first line (see ReadFirstLine) put in the field and
    // solved; a file without a first line reports "List index out of bounds
    // (0)". The existence of the file is tested before and again after, as
    // the command has always done. A folder counts as missing when a dialog
    // gave it, to be asked again; named on the command line it is told as a
    // folder ("Cannot open file "<name>". Is a directory").
    enum class FolderGiven { kIsMissing, kIsAnError };
    LoadReport LoadFile(const std::string& name, FolderGiven folder = FolderGiven::kIsMissing);
    // The same with the chosen file's bytes (the page, which reads at most
    // kLoadedBytes of them), then the plot drawn again, as after the dialog.
    LoadReport LoadBytes(std::string_view fileBytes);

    // The curve colour from the settings, as read at start-up: a colour text
    // that is no colour reports its error and leaves the colour 0.
    Report ReadCurveColor();
    // The colour command's end: the chosen colour (nothing after Cancel)
    // taken, its text written back to the settings in the canonical form
    // (after Cancel too), then the plot drawn again. A settings file that
    // cannot be written ends the command with its error.
    Report ChooseCurveColor(std::optional<ColorValue> chosen);
    // The colour as "#rrggbb", what the colour chooser opens with.
    std::string CurveColorHex() const;
    Pixel CurveColorPixel() const;

    // The save-solution file: the lines of the last solve (none before the
    // first) in Windows-1251 with CR LF; and that file written at `path`,
    // replacing it only once fully written.
    std::string SolutionFile() const;
    Report SaveSolution(const std::string& path) const;
    // The framed panel, 322 x 338, as the save-plot and copy-plot commands
    // write it; its file; and that file written at `path`.
    FramedSurface Picture() const;
    FileContent PictureFile(RasterFormat format) const;
    Report SavePicture(const std::string& path) const;
    // The copy-solution text: the equation line of the solve whose lines the
    // list shows, then those lines, joined by LF; empty while the list is.
    std::string CopiedSolution() const;
    // The box for a copy the clipboard refused, as a browser may (no
    // permission, its page not focused): the error caption.
    static Report CopyRefused();

    // The equations solved, newest first, as read at start-up (a history
    // that cannot be read or is damaged counts as empty, and is left aside
    // and replaced at the next solve) and remembered since. Other windows
    // and tabs keep the same history: before each write it is read again
    // and the write adds to it, so no window's equation is lost.
    void ReadHistory();
    const std::vector<std::string>& history() const { return history_.equations(); }
    void ClearHistory();
    // The page shows a solve before it keeps its equation: after
    // DeferHistory a solve only notes the equation it solved, and
    // KeepSolvedInHistory, which the page calls once the solve is shown (and
    // the walk, the clearing and ReadHistory call first), reads the history
    // again, adds the equations noted in the order they were solved and
    // writes it. Without DeferHistory every solve keeps its equation at once.
    void DeferHistory() { historyDeferred_ = true; }
    void KeepSolvedInHistory();
    // Up and Down in the field (HistoryWalk): the text to show, or nothing.
    // Any edit of the field, and every solve, ends the walk.
    std::optional<std::string> HistoryOlder(const std::string& typed) {
        KeepSolvedInHistory();
        return walk_.Older(history_, typed);
    }
    std::optional<std::string> HistoryNewer() {
        KeepSolvedInHistory();
        return walk_.Newer(history_);
    }
    void EndHistoryWalk() { walk_.End(); }

    // The print and save-as-PDF commands' pages: what the save-solution
    // command saves of the last solve, then, when it failed, its message;
    // the framed panel's pixels when it succeeded (a failed one has no plot
    // of its own); and the date. Nothing before the first solve and after
    // Clear, for which NothingToPrint is the box.
    std::optional<PrintedDocument> PrintedDocumentOn(const Paper& paper,
                                                     const PrintedDate& date) const;
    static Report NothingToPrint();
    // A file the window made (the PDF), saved at `path` as every file is.
    Report SaveBytes(const std::string& path, std::span<const std::uint8_t> bytes) const;

    // The read-out of the pointer at (x, y) of the frame.
    static std::string PointerText(int x, int y);
    // The plot in words, for screen readers (PlotDescription).
    std::string Description() const;

    const RasterSurface& panel() const { return panel_; }
    const PlotState& plotState() const { return state_; }
    // The lines the last solve saved, the equation line first; none before
    // the first solve.
    const std::optional<std::vector<std::string>>& savedSolution() const { return saved_; }

  private:
    Report Draw(const std::function<void()>& drawing);
    void RereadHistory();
    LoadReport LoadFirstLine(const std::function<std::optional<std::string>()>& readFirstLine);

    std::string title_;
    SettingsStore& settings_;
    HistoryStore& historyStore_;
    EquationHistory history_;
    HistoryWalk walk_;
    bool historyDeferred_ = false;
    std::vector<std::string> solvedNotKept_;  // oldest first
    RasterSurface panel_;
    PlotState state_;
    std::optional<std::vector<std::string>> saved_;
    // What the list shows, under the equation line of the solve that filled it.
    std::string listEquation_;
    std::vector<std::string> listLines_;
    // The texts the last solve, and the solve whose lines the list shows,
    // were given: what a change of language solves again.
    std::optional<std::string> lastSolvedText_;
    std::optional<std::string> listSolvedText_;
    // The lines to print, as PrintedDocumentOn tells; and whether the plot
    // goes with them.
    std::optional<std::vector<std::string>> printed_;
    bool printsPlot_ = false;

    friend struct testing::ModelProbe;
};

}  // namespace parabel
