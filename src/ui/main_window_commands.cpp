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
#include "equation_edit.h"
#include "full_screen_window.h"
#include "main_window.h"
#include "solution_list.h"

namespace parabel::ui {

namespace {

const QString kErrorCaption = QStringLiteral("Error");

}  // namespace

void MainWindow::solve() {
    SolveAndDrawResult result;
    drawOnPanel(
        [&] { result = SolveAndDraw(equationEdit_->text().toStdString(), panel_, plotState_); });
    const SolveOutcome& outcome = result.outcome;
    equationEdit_->setEquation(QString::fromStdString(outcome.fieldText));
    savedSolution_ = outcome.saved;
    if (outcome.listReplaced) {
        listEquation_ = outcome.saved.front();
        showSolution(outcome.displayed);
    }
    if (outcome.failure == SolveFailure::kForm) {
        app_.platform().showError(kErrorCaption, QString::fromUtf8(kFormMessage));
    } else if (outcome.failure == SolveFailure::kConversion) {
        app_.platform().showError(kErrorCaption, QString::fromUtf8(kConversionMessage));
    }
}

// The menu, the toolbar and Enter in the field solve through the window's
// default button, as a click on it would.
void MainWindow::pressSolveButton() {
    solveButton_->click();
}

void MainWindow::equationKeyPressed(int key, Qt::KeyboardModifiers) {
    // Enter with any modifiers; plain Enter reaches the menu's shortcut
    // first, so one press solves once.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        pressSolveButton();
    }
}

void MainWindow::refresh() {
    redrawFromState();
}

void MainWindow::clearAll() {
    solutionList_->clear();
    equationEdit_->clear();
    drawOnPanel([this] {
        panel_.Repaint();
        plotState_.a = 0;
        plotState_.b = 0;
        plotState_.c = 0;
    });
}

void MainWindow::openFullScreen() {
    fullScreen_->execFullScreen();
    redrawTimer_->start();
}

void MainWindow::showAbout() {
    aboutDialog().exec();
    redrawTimer_->start();
}

void MainWindow::exitProgram() {
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

void MainWindow::redrawAfterModal() {
    if ((about_ != nullptr && about_->isVisible()) || fullScreen_->isVisible()) {
        return;  // tried again at the next tick
    }
    redrawFromState();
    redrawTimer_->stop();
}

void MainWindow::showHint(const QString& hint) {
    statusLabel_->setText(hint);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        ReadDecimalSeparatorFromLocale();
    }
    QMainWindow::changeEvent(event);
}

}  // namespace parabel::ui
