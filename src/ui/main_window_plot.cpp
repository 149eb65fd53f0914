// The main window's plot: what the model's commands leave shown, the window's
// paint hook and the pointer read-out.
#include <QLabel>
#include <QListWidget>

#include "equation_edit.h"
#include "images.h"
#include "main_window.h"
#include "plot_area.h"
#include "solution_list.h"

namespace parabel::ui {

void MainWindow::tell(const Report& report) {
    app_.tell(report);
}

void MainWindow::showPanel() {
    plotArea_->update();
    plotArea_->describe(model_.plotState());
}

void MainWindow::showSolveReport(const SolveReport& report) {
    showPanel();
    if (report.fieldText) {
        equationEdit_->setEquation(QString::fromStdString(*report.fieldText));
    }
    if (report.listReplaced) {
        solutionList_->clear();
        const QIcon dot = dotImage();
        for (const std::string& line : report.lines) {
            solutionList_->addItem(new QListWidgetItem(dot, QString::fromStdString(line)));
        }
    }
}

Report MainWindow::redrawn() {
    Report report = model_.Refresh();
    showPanel();
    return report;
}

void MainWindow::redrawFromState() {
    tell(redrawn());
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    const Report report = model_.PaintFirstTime();
    plotArea_->update();
    tell(report);
}

void MainWindow::showPointer(int x, int y) {
    statusLabel_->setText(QString::fromStdString(MainWindowModel::PointerText(x, y)));
}

}  // namespace parabel::ui
