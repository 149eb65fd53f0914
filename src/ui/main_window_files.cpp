// The main window's file and colour commands: save the solution, load an
// equation, save the plot as a picture, choose the curve colour; and the
// start-up read of the colour.
#include <QPushButton>
#include <span>
#include <stdexcept>

#include "io/bmp.h"
#include "io/color_names.h"
#include "io/safe_save.h"
#include "io/settings.h"
#include "io/text_files.h"
#include "main_window.h"
#include "plot/picture.h"

namespace parabel::ui {

namespace {

const FileDialogOptions kSolutionDialog{QStringLiteral("Текстовые файлы|*.txt"),
                                        QStringLiteral("txt"), true};
const FileDialogOptions kOpenDialog{QString(), QString(), false};
const FileDialogOptions kPictureDialog{QStringLiteral("Растровые изображения|*.bmp"),
                                       QStringLiteral("bmp"), false};

// A dialog keeps its file name: confirming sets it, cancelling leaves it.
void Remember(const std::optional<QString>& chosen, QString& fileName) {
    if (chosen) {
        fileName = *chosen;
    }
}

// The error of a load that finds no line in its file.
class EListError : public std::runtime_error {
  public:
    explicit EListError(int index)
        : std::runtime_error("List index out of bounds (" + std::to_string(index) + ")") {}
};

QColor ToQColor(Pixel pixel) {
    return QColor::fromRgb(pixel);
}

ColorValue FromQColor(const QColor& color) {
    return static_cast<ColorValue>(color.blue() << 16 | color.green() << 8 | color.red());
}

}  // namespace

void MainWindow::FormCreate() {
    app_.setHintHandler([this](const QString& hint) { ShowHint(hint); });
    FState.axesDrawn = false;
    app_.guard([this] { FState.curveColor = TextToColor(ReadColorText(app_.settingsPath())); });
}

void MainWindow::N10Click() {
    Remember(app_.platform().saveFile(this, kSolutionDialog, saveDialog1FileName),
             saveDialog1FileName);
    RedrawFromState();
    if (!saveDialog1FileName.isEmpty()) {
        // Before the first solve there is no saved solution: an empty file.
        SaveLinesFile(saveDialog1FileName.toStdString(),
                      FSolution.value_or(std::vector<std::string>{}));
    }
    saveDialog1FileName.clear();
}

void MainWindow::N4Click() {
    Remember(app_.platform().openFile(this, kOpenDialog, openDialogFileName), openDialogFileName);
    const std::string name = openDialogFileName.toStdString();
    if (!name.empty() && IsExistingFile(name)) {
        DrawPlot(FState.a, FState.b, FState.c, FState.root1, FState.root2);
        Primer->clear();
        const std::optional<std::string> firstLine = ReadFirstLine(name);
        if (!firstLine) {
            throw EListError(0);
        }
        Primer->SetText(QString::fromStdString(*firstLine));
        Button1->click();
    }
    if (!name.empty() && !IsExistingFile(name)) {
        app_.platform().showError(QStringLiteral("Ошибка"), QStringLiteral("Файл ") +
                                                                QString::fromStdString(name) +
                                                                QStringLiteral(" не существует."));
        openDialogFileName.clear();
        N4Click();  // the open dialog again; an error here ends every level
    }
    openDialogFileName.clear();
    RedrawFromState();
}

void MainWindow::N11Click() {
    Remember(app_.platform().saveFile(this, kPictureDialog, saveDialog2FileName),
             saveDialog2FileName);
    RedrawFromState();
    if (!saveDialog2FileName.isEmpty()) {
        SaveAsBmp(saveDialog2FileName);
    }
    saveDialog2FileName.clear();
}

void MainWindow::SaveAsBmp(const QString& fileName) {
    const Picture picture = ComposeMainPicture(pbSurface_);
    const std::vector<std::uint8_t> bytes =
        EncodeBmp({picture.width, picture.height, picture.pixels.data()});
    SaveFileSafely(fileName.toStdString(), bytes);
}

void MainWindow::N18Click() {
    const std::optional<QColor> chosen =
        app_.platform().chooseColor(this, ToQColor(ResolveColor(FState.curveColor)));
    if (chosen) {
        FState.curveColor = FromQColor(*chosen);
    }
    // Written back after Cancel too, so the file holds the canonical text.
    WriteColorText(app_.settingsPath(), ColorToText(FState.curveColor));
    RedrawFromState();
}

}  // namespace parabel::ui
