// The main window's commands: solve, clear, refresh, the modal windows, exit,
// the redraw timer and the hints.
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "about_dialog.h"
#include "core/catalog.h"
#include "equation_edit.h"
#include "full_screen_window.h"
#include "history_list.h"
#include "main_window.h"
#include "solution_list.h"

namespace parabel::ui {

void MainWindow::solve() {
    const SolveReport report = model_.Solve(equationEdit_->text().toStdString());
    showSolveReport(report);
    tell(report);
}

void MainWindow::solveEquation(const QString& equation) {
    if (equationEdit_->setEquation(equation)) {
        pressSolveButton();
    }
}

// The menu, the toolbar and Enter in the field solve through the window's
// default button, as a click on it would.
void MainWindow::pressSolveButton() {
    solveButton_->click();
}

void MainWindow::equationKeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    // Enter with any modifiers; plain Enter reaches the menu's shortcut
    // first, so one press solves once.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        pressSolveButton();
    } else if (key == Qt::Key_Down && (modifiers & Qt::AltModifier)) {
        showHistory();
    } else if ((key == Qt::Key_Up || key == Qt::Key_Down) &&
               !(modifiers & (Qt::AltModifier | Qt::ControlModifier))) {
        walkHistory(key == Qt::Key_Up);
    }
}

void MainWindow::walkHistory(bool older) {
    const std::optional<std::string> text =
        older ? model_.HistoryOlder(equationEdit_->text().toStdString()) : model_.HistoryNewer();
    if (text) {
        equationEdit_->setEquation(QString::fromStdString(*text));
    }
}

void MainWindow::showHistory() {
    historyList_->open(model_.history());
}

void MainWindow::clearHistory() {
    model_.ClearHistory();
}

void MainWindow::refresh() {
    redrawFromState();
}

void MainWindow::clearAll() {
    solutionList_->clear();
    equationEdit_->clear();
    const Report report = model_.Clear();
    showPanel();
    tell(report);
}

FullScreenWindow& MainWindow::fullScreenWindow() {
    // Made when first opened, as the About dialog: hidden until then, so
    // start-up does not pay for it.
    if (fullScreen_ == nullptr) {
        fullScreen_ = new FullScreenWindow(app_, model_.plotState(), this);
    }
    return *fullScreen_;
}

void MainWindow::openFullScreen() {
    fullScreenWindow().execFullScreen();
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
    const bool yes = app_.platform().askYesNo(QString::fromUtf8(Text(Message::kCommandExit)),
                                              QString::fromUtf8(Text(Message::kExitQuestion)));
    if (yes) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::redrawAfterModal() {
    if ((about_ != nullptr && about_->isVisible()) ||
        (fullScreen_ != nullptr && fullScreen_->isVisible())) {
        return;  // tried again at the next tick
    }
    redrawFromState();
    redrawTimer_->stop();
}

void MainWindow::showHint(const QString& hint) {
    statusLabel_->setText(hint);
}

}  // namespace parabel::ui
