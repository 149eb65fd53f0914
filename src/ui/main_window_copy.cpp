// The main window's copy commands: the solution list's context menu and
// Ctrl+C in the list; the plot brings its own.
#include <QAction>
#include <QListWidget>
#include <QMenu>

#include "clipboard.h"
#include "context_menu.h"
#include "main_window.h"
#include "plot/picture.h"
#include "plot_area.h"
#include "solution_list.h"

namespace parabel::ui {

void MainWindow::createCopyCommand() {
    QMenu* listMenu = createContextMenu(solutionList_);
    copySolutionAction_ = listMenu->addAction(QString());  // its words: retranslate()
    copySolutionAction_->setObjectName(QStringLiteral("copySolutionAction"));
    // The list's own Ctrl+C would copy the current line alone; only while the
    // list has the focus, so the field's copy stays the field's.
    copySolutionAction_->setShortcuts(QKeySequence::Copy);
    copySolutionAction_->setShortcutContext(Qt::WidgetShortcut);
    solutionList_->addAction(copySolutionAction_);
    connect(copySolutionAction_, &QAction::triggered, this,
            [this] { app_.guard([this] { copySolution(); }); });
    // Nothing to copy while the list is empty.
    auto updateCopySolution = [this] {
        copySolutionAction_->setEnabled(solutionList_->count() > 0);
    };
    QAbstractItemModel* lines = solutionList_->model();
    connect(lines, &QAbstractItemModel::rowsInserted, this, updateCopySolution);
    connect(lines, &QAbstractItemModel::rowsRemoved, this, updateCopySolution);
    connect(lines, &QAbstractItemModel::modelReset, this, updateCopySolution);
    updateCopySolution();

    connect(plotArea_, &PlotArea::copyRequested, this,
            [this] { app_.guard([this] { copyPlot(); }); });
}

// The lines the list shows, under the equation line of the solve that filled
// the list (see MainWindowModel::CopiedSolution); after Clear nothing.
void MainWindow::copySolution() {
    const std::string text = model_.CopiedSolution();
    if (!text.empty()) {
        copyText(QString::fromStdString(text));
    }
}

void MainWindow::copyPlot() {
    copyPicture(model_.Picture());
}

}  // namespace parabel::ui
