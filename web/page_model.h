// The page's main window without widgets: the equation field's text, the
// worked solution, the 300 x 320 plot panel in its frame with the pointer
// read-out, the files the desktop saves and loads, and the curve colour kept
// as the settings file's text. Each command does what the desktop window's
// command does, step for step; the page only shows what it leaves.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plot/plot_state.h"
#include "plot/raster_surface.h"
#include "report.h"

namespace parabel::web {

class PageModel {
  public:
    // The panel as the window shows it before the first solve: its backdrop,
    // the axes drawn once and covered again. The curve colour is 0 until
    // ReadSettings.
    PageModel();

    // The text the equation field keeps of what was typed or pasted.
    static std::string FieldText(std::string_view typed);

    // The solve command (Enter): solves the field's text and draws it; a
    // failure reports the "Error" box with its message.
    SolveReport Solve(std::string_view fieldText);
    // The refresh command (F5): the plot drawn again from what it stored.
    Report Refresh();
    // The clear command: the panel shows its backdrop and nothing is stored
    // to refresh; the saved solution stays. The page empties the field and
    // the list.
    Report Clear();
    // The load command with a chosen file's bytes: the plot drawn again, the
    // field emptied, the first line (Windows-1251, after a UTF-8 byte-order
    // mark, at most kMaxFirstLine bytes) put in the field and solved, then
    // the plot drawn again as after any dialog. A file without a first line
    // reports "List index out of bounds (0)" and leaves the field empty.
    SolveReport LoadEquation(std::string_view fileBytes);
    // After a modal box, dialog or the full-screen view has gone: the plot
    // drawn again from what it stored.
    Report AfterModal() { return Refresh(); }

    // The framed panel, 322 x 338, as RGBA bytes (see PictureRgba); valid
    // until the next call.
    const std::vector<std::uint8_t>& PanelRgba();
    // The read-out of the pointer at (x, y) of the frame.
    static std::string PointerText(int x, int y);
    // The plot in words for screen readers (PlotDescription).
    std::string Description() const;

    // The save-solution file: the lines of the last solve (none before the
    // first) in Windows-1251 with CR LF.
    std::vector<std::uint8_t> SolutionFile() const;
    // The save-plot file: the framed panel as the desktop's BMP.
    std::vector<std::uint8_t> PlotBmp() const;
    // The copy-solution text: the equation line of the solve whose lines the
    // list shows, then those lines, joined by LF; empty while the list is.
    std::string CopiedSolution() const;

    // The curve colour from the settings file's bytes, as the desktop reads
    // Inf.ini at start-up; a colour text that is no colour reports its error
    // and leaves the colour 0.
    Report ReadSettings(std::string_view settingsText);
    // The settings file's bytes with the current colour written back.
    std::string WriteSettings(std::string_view settingsText) const;
    // The colour as "#rrggbb", what the colour chooser opens with.
    std::string CurveColorHex() const;
    // The colour command's end: the chosen colour ("#rrggbb", or nothing
    // after Cancel) taken, then the plot drawn again.
    Report ChooseCurveColor(std::optional<std::string_view> chosen);

    const PlotState& plotState() const { return state_; }

  private:
    Report Draw(Extended a, Extended b, Extended c, double root1, double root2);

    RasterSurface panel_;
    PlotState state_;
    std::optional<std::vector<std::string>> savedSolution_;
    // What the list shows, under the equation line of the solve that filled it.
    std::string listEquation_;
    std::vector<std::string> listLines_;
    std::vector<std::uint8_t> rgba_;
};

}  // namespace parabel::web
