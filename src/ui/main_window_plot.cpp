// The main window's plot: drawing on the panel's surface, the window's paint
// hook and the pointer read-out.
#include <QLabel>

#include "app/panel_redraw.h"
#include "main_window.h"
#include "plot/main_plot.h"

namespace parabel::ui {

void MainWindow::DrawPlot(Extended a, Extended b, Extended c, double root1, double root2) {
    try {
        parabel::DrawPlot(pbSurface_, FState, a, b, c, root1, root2);
    } catch (...) {
        PB->Changed();  // what was drawn before the fault stays
        throw;
    }
    PB->Changed();
}

void MainWindow::DrawAxes() {
    parabel::DrawAxes(pbSurface_, FState);
    PB->Changed();
}

void MainWindow::RedrawFromState() {
    try {
        parabel::RedrawFromState(pbSurface_, FState);
    } catch (...) {
        PB->Changed();  // what was drawn before the fault stays
        throw;
    }
    PB->Changed();
}

void MainWindow::FormPaint() {
    parabel::PaintPanelFirstTime(pbSurface_, FState);
    PB->Changed();
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    app_.guard([this] { FormPaint(); });
}

void MainWindow::PaintBox1MouseMove(int x, int y) {
    StatusPanel->setText(QString::fromStdString(PointerText(x, y)));
}

}  // namespace parabel::ui
