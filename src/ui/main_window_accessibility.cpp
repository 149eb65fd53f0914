// The main window for keyboards and screen readers: the controls' accessible
// names and descriptions, and the key of the menu bar.
#include <QAction>
#include <QListWidget>
#include <QMenuBar>
#include <QShortcut>
#include <QToolButton>

#include "accessibility.h"
#include "equation_edit.h"
#include "main_window.h"
#include "plot_area.h"
#include "solution_list.h"

namespace parabel::ui {

void MainWindow::createAccessibleTexts() {
    // The toolbar's buttons show only images: their hints say what they do.
    for (QToolButton* button : toolBar_->findChildren<QToolButton*>()) {
        button->setAccessibleName(accessibleNameFromHint(button->statusTip()));
        button->setAccessibleDescription(button->statusTip());
    }
    equationEdit_->setAccessibleName(QStringLiteral("Уравнение"));
    equationEdit_->setAccessibleDescription(equationEdit_->statusTip());
    solutionList_->setAccessibleName(QStringLiteral("Решение"));
    solutionList_->setAccessibleDescription(
        QStringLiteral("Ход решения уравнения; Ctrl+C копирует решение целиком"));
    plotArea_->describe(model_.plotState());
}

void MainWindow::createMenuKeys() {
    // F10 opens the first menu, as on the common desktops.
    auto* key = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(key, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

}  // namespace parabel::ui
