// The main window's file and colour commands: save the solution, load an
// equation, save the plot as a picture, choose the curve colour; and the
// start-up read of the colour.
#include <QPainter>

#include "equation_edit.h"
#include "locale_paper.h"
#include "main_window.h"
#include "page_painter.h"

namespace parabel::ui {

void MainWindow::readSettings() {
    tell(model_.ReadCurveColor());
}

void MainWindow::saveSolution() {
    tell(solutionDialog_.runSave(
        this, [this] { return redrawn(); },
        [this](const QString& fileName) { return model_.SaveSolution(fileName.toStdString()); }));
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
        const std::optional<bool> loaded = loadFile(equationDialog_.fileName().toStdString());
        if (!loaded) {
            return;  // the name stays for the next dialog
        }
        equationDialog_.forget();
        if (*loaded) {
            break;
        }
    }
    for (int i = 0; i < asked; ++i) {
        redrawFromState();
    }
}

void MainWindow::loadEquationFile(const std::string& fileName) {
    if (loadFile(fileName, MainWindowModel::FolderGiven::kIsAnError)) {
        redrawFromState();
    }
}

std::optional<bool> MainWindow::loadFile(const std::string& fileName,
                                         MainWindowModel::FolderGiven folder) {
    const LoadReport report = model_.LoadFile(fileName, folder);
    showSolveReport(report);
    tell(report);
    if (report.ended) {
        return std::nullopt;
    }
    if (report.missing) {
        tell(MissingFileBox(fileName));
        return false;
    }
    return true;
}

void MainWindow::savePlot() {
    tell(plotDialog_.runSave(
        this, [this] { return redrawn(); },
        [this](const QString& fileName) { return model_.SavePicture(fileName.toStdString()); }));
}

std::optional<PrintedDocument> MainWindow::documentToPrint() {
    std::optional<PrintedDocument> document = model_.PrintedDocumentOn(localePaper(), today());
    if (!document) {
        tell(MainWindowModel::NothingToPrint());
    }
    return document;
}

void MainWindow::printSolution() {
    const std::optional<PrintedDocument> document = documentToPrint();
    if (!document) {
        return;
    }
    const FramedSurface picture = model_.Picture();
    app_.platform().printPages(
        this, pageSizeOf(document->paper), static_cast<int>(document->pages.size()),
        [&](QPainter& painter, double dotsPerInch, int pageIndex, bool onScreen) {
            paintPrintedPage(painter, dotsPerInch, *document, pageIndex, picture,
                             onScreen ? PageMedium::kScreen : PageMedium::kPaper);
        });
    redrawFromState();  // the preview covered the plot
}

void MainWindow::saveAsPdf() {
    const std::optional<PrintedDocument> document = documentToPrint();
    if (!document) {
        return;
    }
    tell(pdfDialog_.runSave(
        this, [this] { return redrawn(); },
        [this, &document](const QString& fileName) {
            const QByteArray pdf = printedDocumentPdf(*document, model_.Picture());
            return model_.SaveBytes(
                fileName.toStdString(),
                std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                          static_cast<std::size_t>(pdf.size())));
        }));
}

void MainWindow::chooseCurveColor() {
    const std::optional<QColor> chosen =
        app_.platform().chooseColor(this, QColor::fromRgb(model_.CurveColorPixel()));
    std::optional<ColorValue> color;
    if (chosen) {
        color = ColorFromRgb(chosen->red(), chosen->green(), chosen->blue());
    }
    const Report report = model_.ChooseCurveColor(color);
    showPanel();
    tell(report);
}

}  // namespace parabel::ui
