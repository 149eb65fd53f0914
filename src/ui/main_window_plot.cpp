// The main window's plot: drawing on the panel's surface, the window's paint
// hook and the pointer read-out.
#include <QLabel>

#include "app/panel_redraw.h"
#include "main_window.h"
#include "plot/main_plot.h"
#include "plot_area.h"
#include "scope_exit.h"

namespace parabel::ui {

void MainWindow::drawOnPanel(const std::function<void()>& drawing) {
    const ScopeExit describe([this] { plotArea_->describe(plotState_); });
    plotArea_->redraw(drawing);
}

void MainWindow::drawPlot(Extended a, Extended b, Extended c, double root1, double root2) {
    drawOnPanel([&] { DrawPlot(panel_, plotState_, a, b, c, root1, root2); });
}

void MainWindow::redrawFromState() {
    drawOnPanel([this] { RedrawFromState(panel_, plotState_); });
}

void MainWindow::paintPanelFirstTime() {
    drawOnPanel([this] { PaintPanelFirstTime(panel_, plotState_); });
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    app_.guard([this] { paintPanelFirstTime(); });
}

void MainWindow::showPointer(int x, int y) {
    statusLabel_->setText(QString::fromStdString(PointerText(x, y)));
}

}  // namespace parabel::ui
