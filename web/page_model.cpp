#include "page_model.h"

#include <charconv>
#include <cstdio>
#include <stdexcept>

#include "app/equation_field.h"
#include "app/panel_redraw.h"
#include "app/picture_file.h"
#include "app/plot_description.h"
#include "app/solve_and_draw.h"
#include "io/color_names.h"
#include "io/line_text.h"
#include "io/settings.h"
#include "io/text_files.h"
#include "picture_bytes.h"
#include "plot/main_plot.h"
#include "plot/picture.h"

namespace parabel::web {

namespace {

// The error of a load that finds no line in its file, as the desktop's.
class NoFirstLineError : public std::runtime_error {
  public:
    NoFirstLineError() : std::runtime_error("List index out of bounds (0)") {}
};

// "#rrggbb" as a colour value (0x00BBGGRR); nothing for any other text.
std::optional<ColorValue> ColorFromHex(std::string_view hex) {
    unsigned rgb = 0;
    if (hex.size() != 7 || hex[0] != '#') {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(hex.data() + 1, hex.data() + 7, rgb, 16);
    if (error != std::errc() || end != hex.data() + 7) {
        return std::nullopt;
    }
    return static_cast<ColorValue>((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16));
}

}  // namespace

PageModel::PageModel() : panel_(kPanelWidth, kPanelHeight, kWhitePixel) {
    PaintPanelFirstTime(panel_, state_);
}

std::string PageModel::FieldText(std::string_view typed) {
    return EquationFieldText(typed);
}

SolveReport PageModel::Solve(std::string_view fieldText) {
    const SolveOutcome outcome = SolveAndDraw(FieldText(fieldText), panel_, state_).outcome;
    SolveReport report;
    report.fieldText = outcome.fieldText;  // made of the kept text, so kept too
    savedSolution_ = outcome.saved;
    if (outcome.listReplaced) {
        listEquation_ = outcome.saved.front();
        listLines_ = outcome.displayed;
        report.listReplaced = true;
        report.lines = outcome.displayed;
    }
    if (outcome.failure != SolveFailure::kNone) {
        report.errorCaption = "Error";
        report.errorMessage = FailureMessage(outcome.failure);
    }
    return report;
}

Report PageModel::Refresh() {
    return Guarded([this] { RedrawFromState(panel_, state_); });
}

Report PageModel::Clear() {
    listLines_.clear();
    return Guarded([this] {
        panel_.Repaint();
        state_.a = 0;
        state_.b = 0;
        state_.c = 0;
    });
}

Report PageModel::Draw(Extended a, Extended b, Extended c, double root1, double root2) {
    return Guarded([&] { DrawPlot(panel_, state_, a, b, c, root1, root2); });
}

SolveReport PageModel::LoadEquation(std::string_view fileBytes) {
    // The plot is drawn before the field is cleared, as the desktop's load
    // has always done; an error there ends the command.
    SolveReport report;
    static_cast<Report&>(report) = Draw(state_.a, state_.b, state_.c, state_.root1, state_.root2);
    if (report.HasError()) {
        return report;
    }
    std::optional<std::string> firstLine;
    static_cast<Report&>(report) = Guarded([&] {
        firstLine = DecodeFirstLine(fileBytes.substr(0, kMaxFirstLine));
        if (!firstLine) {
            throw NoFirstLineError();
        }
    });
    if (report.HasError()) {
        report.fieldText = "";
        return report;
    }
    report = Solve(*firstLine);
    // The file dialog covered the plot: drawn again once it has gone. The
    // solve's own box is the one shown; a fault here would have been its.
    Refresh();
    return report;
}

const std::vector<std::uint8_t>& PageModel::PanelRgba() {
    PictureRgba(MainPictureRows(panel_), rgba_);
    return rgba_;
}

std::string PageModel::PointerText(int x, int y) {
    return parabel::PointerText(x, y);
}

std::string PageModel::Description() const {
    return PlotDescription(state_);
}

std::vector<std::uint8_t> PageModel::SolutionFile() const {
    const std::string bytes = EncodeLines(savedSolution_.value_or(std::vector<std::string>{}));
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> PageModel::PlotBmp() const {
    const FramedSurface picture = MainPictureRows(panel_);
    return ContentBytes(PictureFile(picture, RasterFormat::kBmp));
}

std::string PageModel::CopiedSolution() const {
    if (listLines_.empty()) {
        return {};
    }
    std::string text = listEquation_;
    for (const std::string& line : listLines_) {
        text += '\n';
        text += line;
    }
    return text;
}

Report PageModel::ReadSettings(std::string_view settingsText) {
    return Guarded([&] { state_.curveColor = TextToColor(ColorTextOf(settingsText)); });
}

std::string PageModel::WriteSettings(std::string_view settingsText) const {
    return WithColorText(settingsText, ColorToText(state_.curveColor));
}

std::string PageModel::CurveColorHex() const {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%06x",
                  static_cast<unsigned>(ResolveColor(state_.curveColor) & 0xFFFFFF));
    return hex;
}

Report PageModel::ChooseCurveColor(std::optional<std::string_view> chosen) {
    if (chosen) {
        if (const std::optional<ColorValue> color = ColorFromHex(*chosen)) {
            state_.curveColor = *color;
        }
    }
    return Refresh();
}

}  // namespace parabel::web
