// The main window's file and colour commands: save the solution, load an
// equation, save the plot as a picture, choose the curve colour; and the
// start-up read of the colour.
#include <QPushButton>
#include <stdexcept>

#include "app/picture_file.h"
#include "equation_edit.h"
#include "io/color_names.h"
#include "io/safe_save.h"
#include "io/settings.h"
#include "io/settings_location.h"
#include "io/text_files.h"
#include "main_window.h"
#include "plot/picture.h"
#include "plot_area.h"
#include "solution_list.h"

namespace parabel::ui {

namespace {

// The error of a load that finds no line in its file.
class NoFirstLineError : public std::runtime_error {
  public:
    explicit NoFirstLineError(int index)
        : std::runtime_error("List index out of bounds (" + std::to_string(index) + ")") {}
};

QColor toQColor(Pixel pixel) {
    return QColor::fromRgb(pixel);
}

ColorValue fromQColor(const QColor& color) {
    return static_cast<ColorValue>(color.blue() << 16 | color.green() << 8 | color.red());
}

}  // namespace

void MainWindow::readSettings() {
    app_.guard([this] { plotState_.curveColor = TextToColor(ReadColorText(app_.settingsPath())); });
}

void MainWindow::saveSolution() {
    solutionDialog_.runSave(
        this, [this] { redrawFromState(); },
        [this](const QString& fileName) {
            // Before the first solve there is no saved solution: an empty file.
            SaveLinesFile(fileName.toStdString(),
                          savedSolution_.value_or(std::vector<std::string>{}));
        });
}

void MainWindow::loadEquation() {
    // A file that does not exist asks again, after its message, until the
    // dialog gives one that does or is cancelled. The plot is then drawn
    // again once for every dialog shown, also after a cancel: intended, the
    // dialog covered it. An error ends the command at once, without them.
    int asked = 0;
    for (;;) {
        equationDialog_.ask(this);
        ++asked;
        const bool loaded = loadFirstLineOf(equationDialog_.fileName().toStdString());
        equationDialog_.forget();
        if (loaded) {
            break;
        }
    }
    for (int i = 0; i < asked; ++i) {
        redrawFromState();
    }
}

void MainWindow::loadEquationFile(const QString& fileName) {
    loadFirstLineOf(fileName.toStdString());
    redrawFromState();
}

bool MainWindow::loadFirstLineOf(const std::string& name) {
    // The file's existence is tested twice, before loading and again after,
    // and the plot is drawn before the field is cleared: intended, as the
    // command has always done (a file removed meanwhile gets its message).
    if (!name.empty() && IsExistingFile(name)) {
        drawPlot(plotState_.a, plotState_.b, plotState_.c, plotState_.root1, plotState_.root2);
        equationEdit_->clear();
        const std::optional<std::string> firstLine = ReadFirstLine(name);
        if (!firstLine) {
            throw NoFirstLineError(0);
        }
        equationEdit_->setEquation(QString::fromStdString(*firstLine));
        pressSolveButton();
    }
    if (!name.empty() && !IsExistingFile(name)) {
        app_.platform().showError(QStringLiteral("Ошибка"), QStringLiteral("Файл ") +
                                                                QString::fromStdString(name) +
                                                                QStringLiteral(" не существует."));
        return false;
    }
    return true;
}

void MainWindow::savePlot() {
    plotDialog_.runSave(
        this, [this] { redrawFromState(); },
        [this](const QString& fileName) { writePlot(fileName); });
}

void MainWindow::writePlot(const QString& fileName) {
    const FramedSurface picture = plotArea_->picture();
    SaveFileSafely(fileName.toStdString(), PictureFile(picture, RasterFormat::kBmp));
}

void MainWindow::chooseCurveColor() {
    const std::optional<QColor> chosen =
        app_.platform().chooseColor(this, toQColor(ResolveColor(plotState_.curveColor)));
    if (chosen) {
        plotState_.curveColor = fromQColor(*chosen);
    }
    // Written back after Cancel too, so the file holds the canonical text.
    WriteColorText(app_.settingsLocation(), ColorToText(plotState_.curveColor));
    redrawFromState();
}

}  // namespace parabel::ui
