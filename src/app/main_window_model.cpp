#include "main_window_model.h"

#include <algorithm>
#include <stdexcept>

#include <cerrno>
#include "app/equation_field.h"
#include "app/panel_redraw.h"
#include "app/plot_description.h"
#include "app/solve_and_draw.h"

#include "core/catalog.h"
#include "core/windows1251.h"
#include "io/color_names.h"
#include "io/file_errors.h"
#include "io/line_text.h"
#include "io/safe_save.h"
#include "io/text_files.h"
#include "plot/main_plot.h"

namespace parabel {

namespace {

// The error of a load that finds no line in its file: the list of the
// file's lines has no line 0.
class NoFirstLineError : public std::runtime_error {
  public:
    NoFirstLineError() : std::runtime_error("List index out of bounds (0)") {}
};

// Appends the lines of `text`, none for an empty one.
void AppendLinesOf(std::vector<std::string>& lines, const std::string& text) {
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace

Report MissingFileBox(const std::string& name) {
    return {std::string(Text(Message::kBoxError)),
            FormatText(Message::kErrorMissingFile, {{"name", ShowableText(name)}})};
}

MainWindowModel::MainWindowModel(std::string title, SettingsStore& settings, HistoryStore& history)
    : title_(std::move(title)),
      settings_(settings),
      historyStore_(history),
      panel_(kPanelWidth, kPanelHeight, kWhitePixel) {}

Report MainWindowModel::Draw(const std::function<void()>& drawing) {
    return Guarded(title_, drawing);
}

Report MainWindowModel::PaintFirstTime() {
    return Draw([this] { PaintPanelFirstTime(panel_, state_); });
}

SolveReport MainWindowModel::Solve(std::string_view fieldText) {
    if (!FitsSolvedEquation(fieldText)) {
        SolveReport refused;
        static_cast<Report&>(refused) = EquationTooLongBox();
        return refused;
    }
    const SolveOutcome outcome = SolveAndDraw(fieldText, panel_, state_).outcome;
    SolveReport report;
    report.fieldText = outcome.fieldText;
    saved_ = outcome.saved;
    lastSolvedText_ = std::string(fieldText);
    if (outcome.listReplaced) {
        listSolvedText_ = lastSolvedText_;
        listEquation_ = outcome.saved.front();
        listLines_ = outcome.displayed;
        report.listReplaced = true;
        report.lines = outcome.displayed;
    }
    if (outcome.failure != SolveFailure::kNone) {
        report.errorCaption = Text(Message::kSolutionErrorCaption);
        report.errorMessage = FailureMessage(outcome.failure);
    } else {
        solvedNotKept_.push_back(outcome.fieldText);
        if (!historyDeferred_) {
            KeepSolvedInHistory();
        }
    }
    walk_.End();
    printed_ = outcome.saved;
    printsPlot_ = !report.HasError();
    AppendLinesOf(*printed_, report.errorMessage);
    return report;
}

SolveReport MainWindowModel::ChangeLanguage(Language language) {
    SetLanguage(language);
    SolveReport report;
    if (lastSolvedText_) {
        const SolveOutcome outcome = SolveWithoutPicture(*lastSolvedText_).outcome;
        saved_ = outcome.saved;
        if (printed_) {  // not after Clear, which leaves nothing to print
            printed_ = outcome.saved;
            if (outcome.failure != SolveFailure::kNone) {
                AppendLinesOf(*printed_, FailureMessage(outcome.failure));
            }
        }
    }
    if (listSolvedText_ && !listLines_.empty()) {
        listLines_ = SolveWithoutPicture(*listSolvedText_).outcome.displayed;
        report.listReplaced = true;
        report.lines = listLines_;
    }
    return report;
}

void MainWindowModel::KeepSolvedInHistory() {
    if (solvedNotKept_.empty()) {
        return;
    }
    RereadHistory();
    bool changed = false;
    for (const std::string& equation : solvedNotKept_) {
        changed = history_.Remember(equation) || changed;
    }
    solvedNotKept_.clear();
    if (changed) {
        historyStore_.Write(history_.Text());
    }
}

void MainWindowModel::ReadHistory() {
    KeepSolvedInHistory();
    history_.Clear();
    RereadHistory();
    walk_.End();
}

// The history as kept now, which other windows and tabs may have written
// since: it holds their equations, this one's (each written when it was
// remembered) and their clearing, so it is taken as it is, and what is
// written next adds to it. One that cannot be read, or none, leaves this
// one's, which the next write keeps; a damaged one is left aside.
void MainWindowModel::RereadHistory() {
    const std::optional<std::string> text = historyStore_.Read();
    if (!text) {
        return;
    }
    std::optional<EquationHistory> kept = EquationHistory::FromText(*text);
    if (!kept) {
        historyStore_.ReadWasDamaged();
        return;
    }
    history_ = std::move(*kept);
}

void MainWindowModel::ClearHistory() {
    // The equations solved and not yet kept go with the rest.
    solvedNotKept_.clear();
    RereadHistory();  // to leave aside a damaged or unreadable one, as a solve would
    history_.Clear();
    walk_.End();
    historyStore_.Write(history_.Text());
}

Report MainWindowModel::Refresh() {
    return Draw([this] { RedrawFromState(panel_, state_); });
}

Report MainWindowModel::Clear() {
    listLines_.clear();
    printed_.reset();
    return Draw([this] {
        panel_.Repaint();
        state_.a = 0;
        state_.b = 0;
        state_.c = 0;
    });
}

LoadReport MainWindowModel::LoadFirstLine(
    const std::function<std::optional<std::string>()>& readFirstLine) {
    LoadReport report;
    // The plot is drawn before the field is emptied, also with nothing
    // stored, as the command has always done; an error there ends it.
    static_cast<Report&>(report) = Draw([this] {
        DrawPlot(panel_, state_, state_.a, state_.b, state_.c, state_.root1, state_.root2);
    });
    if (report.HasError()) {
        report.ended = true;
        return report;
    }
    report.fieldText = "";
    std::optional<std::string> firstLine;
    static_cast<Report&>(report) = Guarded(title_, [&] {
        firstLine = readFirstLine();
        if (!firstLine) {
            throw NoFirstLineError();
        }
    });
    if (report.HasError()) {
        report.ended = true;
        return report;
    }
    // The line enters the field here, and is solved as the field holds it.
    static_cast<SolveReport&>(report) = Solve(EquationFieldText(*firstLine));
    return report;
}

LoadReport MainWindowModel::LoadFile(const std::string& name, FolderGiven folder) {
    LoadReport report;
    if (folder == FolderGiven::kIsAnError && IsFolder(name)) {
        static_cast<Report&>(report) =
            Guarded(title_, [&name] { throw FileOpenError(name, ReasonText(EISDIR)); });
        report.ended = true;
        return report;
    }
    if (!name.empty() && IsExistingFile(name)) {
        report = LoadFirstLine([&name] { return ReadFirstLine(name, kLoadedBytes); });
        if (report.ended) {
            return report;
        }
    }
    report.missing = !name.empty() && !IsExistingFile(name);
    return report;
}

LoadReport MainWindowModel::LoadBytes(std::string_view fileBytes) {
    LoadReport report =
        LoadFirstLine([fileBytes] { return DecodeFirstLine(fileBytes.substr(0, kLoadedBytes)); });
    if (!report.ended) {
        // The file dialog covered the plot. The solve's own box is the one
        // shown; a fault here would have been its.
        Refresh();
    }
    return report;
}

Report MainWindowModel::ReadCurveColor() {
    return Guarded(title_, [this] { state_.curveColor = TextToColor(settings_.ReadColorText()); });
}

Report MainWindowModel::ChooseCurveColor(std::optional<ColorValue> chosen) {
    return Guarded(title_, [&] {
        if (chosen) {
            state_.curveColor = *chosen;
        }
        // Written back after Cancel too, so the settings hold the canonical text.
        settings_.WriteColorText(ColorToText(state_.curveColor));
        RedrawFromState(panel_, state_);
    });
}

std::string MainWindowModel::CurveColorHex() const {
    return HexOfPixel(CurveColorPixel());
}

Pixel MainWindowModel::CurveColorPixel() const {
    return ResolveColor(state_.curveColor);
}

std::string MainWindowModel::SolutionFile() const {
    // Before the first solve there is no saved solution: an empty file.
    return EncodeLines(saved_.value_or(std::vector<std::string>{}));
}

Report MainWindowModel::SaveSolution(const std::string& path) const {
    const std::string bytes = SolutionFile();
    return SaveBytes(path,
                     std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

FramedSurface MainWindowModel::Picture() const {
    return MainPictureRows(panel_);
}

FileContent MainWindowModel::PictureFile(RasterFormat format) const {
    return parabel::PictureFile(Picture(), format);
}

Report MainWindowModel::SavePicture(const std::string& path) const {
    return Guarded(title_, [&] { SaveFileSafely(path, PictureFile(RasterFormat::kBmp)); });
}

std::optional<PrintedDocument> MainWindowModel::PrintedDocumentOn(const Paper& paper,
                                                                  const PrintedDate& date) const {
    if (!printed_) {
        return std::nullopt;
    }
    if (!printsPlot_) {
        return LayOutPrintedDocument(paper, *printed_, 0, 0, date);
    }
    const FramedSurface picture = Picture();
    return LayOutPrintedDocument(paper, *printed_, picture.width(), picture.height(), date);
}

Report MainWindowModel::NothingToPrint() {
    return {std::string(Text(Message::kBoxError)),
            std::string(Text(Message::kErrorNothingToPrint))};
}

Report MainWindowModel::SaveBytes(const std::string& path,
                                  std::span<const std::uint8_t> bytes) const {
    return Guarded(title_, [&] { SaveFileSafely(path, bytes); });
}

std::string MainWindowModel::CopiedSolution() const {
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

Report MainWindowModel::CopyRefused() {
    return {std::string(Text(Message::kBoxError)), std::string(Text(Message::kErrorCopyRefused))};
}

std::string MainWindowModel::PointerText(int x, int y) {
    return parabel::PointerText(x, y);
}

std::string MainWindowModel::Description() const {
    return PlotDescription(state_);
}

}  // namespace parabel
