// The main window's commands: solve, clear, refresh, the modal windows, exit,
// the redraw timer and the hints.
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "about_dialog.h"
#include "app/solve_and_draw.h"
#include "core/decimal_separator.h"
#include "full_screen_window.h"
#include "main_window.h"

namespace parabel::ui {

namespace {

const QString kErrorCaption = QStringLiteral("Error");

}  // namespace

void MainWindow::Button1Click() {
    const SolveAndDrawResult result =
        SolveAndDraw(Primer->text().toStdString(), pbSurface_, FState);
    const SolveOutcome& outcome = result.outcome;
    Primer->SetText(QString::fromStdString(outcome.fieldText));
    FSolution = outcome.saved;
    if (outcome.listReplaced) {
        ShowSolveOutcomeLines(outcome.displayed);
    }
    PB->Changed();
    if (outcome.failure == SolveFailure::kForm) {
        app_.platform().showError(kErrorCaption, QString::fromUtf8(kFormMessage));
    } else if (outcome.failure == SolveFailure::kConversion) {
        app_.platform().showError(kErrorCaption, QString::fromUtf8(kConversionMessage));
    }
}

void MainWindow::PrimerKeyDown(int key, Qt::KeyboardModifiers) {
    // Enter with any modifiers; plain Enter reaches the menu's shortcut
    // first, so one press solves once.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Button1->click();
    }
}

void MainWindow::N12Click() {
    Button1->click();
}

void MainWindow::N13Click() {
    RedrawFromState();
}

void MainWindow::N2Click() {
    Ex->clear();
    Primer->clear();
    pbSurface_.Repaint();
    PB->Changed();
    FState.a = 0;
    FState.b = 0;
    FState.c = 0;
}

void MainWindow::N15Click() {
    fullScreen_->Open();
    Timer1->start();
}

void MainWindow::N9Click() {
    about_->exec();
    Timer1->start();
}

void MainWindow::N5Click() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const bool yes = app_.platform().askYesNo(QStringLiteral("Выход"),
                                              QStringLiteral("Подтверждаете выход из программы ?"));
    if (yes) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::Timer1Timer() {
    if ((about_ != nullptr && about_->isVisible()) ||
        (fullScreen_ != nullptr && fullScreen_->isVisible())) {
        return;  // tried again at the next tick
    }
    RedrawFromState();
    Timer1->stop();
}

void MainWindow::ShowHint(const QString& hint) {
    StatusPanel->setText(hint);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        ReadDecimalSeparatorFromLocale();
    }
    QMainWindow::changeEvent(event);
}

}  // namespace parabel::ui
