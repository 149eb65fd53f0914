// The main window's plot: drawing on the panel's surface, the window's paint
// hook and the pointer read-out.
#include <QLabel>

#include "plot/main_plot.h"
#include "uMain.h"

namespace parabel::ui {

void TFrmMain::PbPaint(Extended a, Extended b, Extended c, double root1, double root2) {
    try {
        parabel::PbPaint(pbSurface_, FState, a, b, c, root1, root2);
    } catch (...) {
        PB->Changed();  // what was drawn before the fault stays
        throw;
    }
    PB->Changed();
}

void TFrmMain::RePay() {
    parabel::RePay(pbSurface_, FState);
    PB->Changed();
}

void TFrmMain::RedrawFromState() {
    if (FState.HasPlot()) {
        PbPaint(FState.coefA, FState.coefB, FState.coefC, FState.root1, FState.root2);
    }
}

void TFrmMain::FormPaint() {
    if (!FState.axesDrawn) {
        // The first paint draws the empty axes, which the frame covers at
        // once: the panel shows white until the first plot.
        parabel::RePay(pbSurface_, FState);
        pbSurface_.Repaint();
        PB->Changed();
    }
}

void TFrmMain::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    app_.Guard([this] { FormPaint(); });
}

void TFrmMain::PaintBox1MouseMove(int x, int y) {
    StatusPanel->setText(QString::fromStdString(MainReadout(x, y)));
}

}  // namespace parabel::ui
