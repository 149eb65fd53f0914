// The main window's words, all from the catalog: menus, hints, the toolbar's
// hints and names, the names screen readers read; set at start and again at
// each change of language, which also writes the list's lines again.
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

#include "accessibility.h"
#include "core/catalog.h"
#include "core/decimal_separator.h"
#include "equation_edit.h"
#include "main_window.h"
#include "plot_area.h"
#include "solution_list.h"

namespace parabel::ui {

namespace {

QString text(Message message) {
    return QString::fromUtf8(Text(message));
}

}  // namespace

void MainWindow::retranslate() {
    for (const auto& [id, action] : commandActions_) {
        const Command& command = FindCommand(id);
        action->setText(text(command.text));
        action->setStatusTip(QString::fromStdString(CommandHint(command, Faces::kWindow, false)));
    }
    for (const auto& [menu, title] : titledMenus_) {
        menu->setTitle(text(title));
    }
    for (QAction* language : languageChoice_->actions()) {
        language->setChecked(language->data().toInt() == static_cast<int>(CurrentLanguage()));
    }
    // The toolbar's buttons show only images: their hints say what they do.
    for (const auto& [button, id] : toolButtons_) {
        const QString hint =
            QString::fromStdString(CommandHint(FindCommand(id), Faces::kWindow, true));
        button->setStatusTip(hint);
        button->setAccessibleName(accessibleNameFromHint(hint));
        button->setAccessibleDescription(hint);
    }
    toolBar_->setAccessibleName(text(Message::kWindowToolbar));
    toolBand_->setAccessibleName(text(Message::kWindowToolBand));
    statusBar_->setAccessibleName(text(Message::kWindowStatusBar));
    equationEdit_->setStatusTip(text(Message::kWindowEquationHint));
    equationEdit_->setAccessibleName(text(Message::kWindowEquation));
    equationEdit_->setAccessibleDescription(equationEdit_->statusTip());
    solutionList_->setStatusTip(text(Message::kWindowSolution));
    solutionList_->setAccessibleName(text(Message::kWindowSolution));
    solutionList_->setAccessibleDescription(text(Message::kWindowSolutionDescription));
    solveButton_->setText(text(Message::kWindowSolveButton));
    copySolutionAction_->setText(text(Message::kCopySolution));
    plotArea_->describe(model_.plotState());
}

void MainWindow::changeLanguage(Language language) {
    showSolveReport(model_.ChangeLanguage(language));
    app_.languageFile().Write(language);
    // Every window and control of this one takes its words anew, the
    // full-screen window and the About dialog among them.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(this, &change);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        ReadDecimalSeparatorFromLocale();
    } else if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QMainWindow::changeEvent(event);
}

}  // namespace parabel::ui
