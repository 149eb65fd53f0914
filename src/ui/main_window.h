// The main window: the equation field, the worked solution, the plot with its
// pointer read-out, the menu, the toolbar and the status bar.
#pragma once

#include <QMainWindow>
#include <optional>
#include <string>
#include <vector>

#include "application.h"
#include "equation_edit.h"
#include "plot/plot_state.h"
#include "plot/raster_surface.h"
#include "plot_widgets.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolButton;

namespace parabel::ui {

class FullScreenWindow;
class AboutDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(AppContext& app);
    ~MainWindow() override;

    // The other two windows, created after this one.
    void SetWindows(FullScreenWindow* fullScreen, AboutDialog* about);

    // --- Controls, by their layout names ---
    QWidget* CoolBar1 = nullptr;
    QWidget* ToolBar1 = nullptr;
    EquationEdit* Primer = nullptr;
    QListWidget* Ex = nullptr;
    QPushButton* Button1 = nullptr;
    PlotFrame* Shape1 = nullptr;
    SurfaceView* PB = nullptr;
    PointerArea* PaintBox1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel = nullptr;  // the status bar's one panel
    QTimer* Timer1 = nullptr;
    QMenu *N1 = nullptr, *N3 = nullptr, *N17 = nullptr, *N8 = nullptr;
    QAction *N12 = nullptr, *N13 = nullptr, *N15 = nullptr, *N2 = nullptr, *N10 = nullptr,
            *N11 = nullptr, *N4 = nullptr, *N5 = nullptr, *N18 = nullptr, *N9 = nullptr;
    std::vector<QToolButton*> ToolButtons;  // ToolButton1 .. ToolButton12 by number - 1

    // --- State ---
    // The saved solution; absent until the first solve.
    std::optional<std::vector<std::string>> FSolution;
    // FAxesDrawn, FFuncColor, FCoefA .. FCoefC, FRoot1, FRoot2.
    PlotState FState;
    RasterSurface& PbSurface() { return pbSurface_; }

    // --- Handlers ---
    void FormCreate();
    void FormPaint();
    void Button1Click();
    void PrimerKeyDown(int key, Qt::KeyboardModifiers shift);
    void N12Click();
    void N13Click();
    void N15Click();
    void N2Click();
    void N9Click();
    void N5Click();
    void N10Click();
    void N11Click();
    void N4Click();
    void N18Click();
    void Timer1Timer();
    void ShowHint(const QString& hint);
    void PaintBox1MouseMove(int x, int y);

    // --- Operations ---
    void DrawPlot(Extended a, Extended b, Extended c, double root1, double root2);
    void DrawAxes();
    // DrawPlot with the stored state when a coefficient is non-zero.
    void RedrawFromState();
    void SaveAsBmp(const QString& fileName);

    AppContext& app() { return app_; }
    FullScreenWindow* fullScreen() { return fullScreen_; }
    AboutDialog* about() { return about_; }

    // The dialogs' remembered file names (cleared at the end of a command).
    QString openDialogFileName;
    QString saveDialog1FileName;
    QString saveDialog2FileName;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void CreateMenu();
    void CreateToolBar(QWidget* client);
    void CreateControls(QWidget* client);
    void CreateStatusBar(QWidget* client);
    QAction* AddCommand(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                        const QString& hint, void (MainWindow::*handler)());
    void ShowSolveOutcomeLines(const std::vector<std::string>& lines);

    AppContext& app_;
    RasterSurface pbSurface_;
    FullScreenWindow* fullScreen_ = nullptr;
    AboutDialog* about_ = nullptr;
    bool centred_ = false;
};

}  // namespace parabel::ui
