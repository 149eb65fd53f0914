// The main window's plot: drawing on the panel's surface, the window's paint
// hook and the pointer read-out.
#include <QLabel>

#include "app/panel_redraw.h"
#include "main_window.h"
#include "plot/main_plot.h"
#include "plot_widgets.h"

namespace parabel::ui {

void MainWindow::drawPlot(Extended a, Extended b, Extended c, double root1, double root2) {
    try {
        DrawPlot(panel_, plotState_, a, b, c, root1, root2);
    } catch (...) {
        plotView_->surfaceChanged();  // what was drawn before the fault stays
        throw;
    }
    plotView_->surfaceChanged();
    describePlot();
}

void MainWindow::redrawFromState() {
    try {
        RedrawFromState(panel_, plotState_);
    } catch (...) {
        plotView_->surfaceChanged();  // what was drawn before the fault stays
        throw;
    }
    plotView_->surfaceChanged();
}

void MainWindow::paintPanelFirstTime() {
    PaintPanelFirstTime(panel_, plotState_);
    plotView_->surfaceChanged();
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    app_.guard([this] { paintPanelFirstTime(); });
}

void MainWindow::showPointer(int x, int y) {
    statusLabel_->setText(QString::fromStdString(PointerText(x, y)));
}

}  // namespace parabel::ui
