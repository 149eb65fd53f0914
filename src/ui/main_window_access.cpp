// The main window for keyboards and screen readers: the controls' accessible
// names and descriptions, and the Alt keys of the menus.
#include <QAction>
#include <QListWidget>
#include <QMenuBar>
#include <QShortcut>
#include <QToolButton>

#include "accessibility.h"
#include "equation_edit.h"
#include "main_window.h"
#include "plot_widgets.h"

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
    // The pointer area lies over the whole plot: it stands for the plot.
    describePlot();
}

void MainWindow::describePlot() {
    describePlotArea(pointerArea_, plotState_);
}

void MainWindow::createMenuKeys() {
    // Alt with the first letter of a menu's title opens the menu (Alt+Ф,
    // Alt+Н, Alt+С); no other key of the window uses Alt. The titles keep
    // their text: a '&' would underline its letter for good in the styles
    // that always draw them.
    for (QAction* title : menuBar()->actions()) {
        const char16_t letter = title->text().at(0).toUpper().unicode();
        auto* key =
            new QShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(letter))), this);
        connect(key, &QShortcut::activated, this,
                [this, title] { menuBar()->setActiveAction(title); });
    }
}

}  // namespace parabel::ui
