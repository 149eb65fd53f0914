// The full-screen plot window: the equation the main window holds, drawn over
// the whole screen, with the pointer read-out in its status bar.
#pragma once

#include <QDialog>
#include <memory>

#include "app/full_screen_drawing.h"
#include "application.h"
#include "plot/full_screen_plot.h"
#include "plot/raster_surface.h"
#include "plot_widgets.h"

class QAction;
class QLabel;
class QMenuBar;
class QStatusBar;

namespace parabel::ui {

class MainWindow;

class FullScreenWindow : public QDialog {
    Q_OBJECT
  public:
    FullScreenWindow(AppContext& app, MainWindow& main);
    ~FullScreenWindow() override;

    // The opening command's part: hints to this window's status bar, the
    // drawn-once flag cleared, shown modally until it closes.
    void Open();
    // The opening's first part, before the window shows: hints here, the
    // drawn-once flag cleared.
    void BeginOpening();

    QMenuBar* Menu = nullptr;
    QAction *N2 = nullptr, *N1 = nullptr, *N5 = nullptr, *N3 = nullptr, *N4 = nullptr;
    PlotFrame* Shape1 = nullptr;
    SurfaceView* MPB = nullptr;
    PointerArea* Back = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel = nullptr;

    // Drawn since the window was last opened.
    bool drawnSinceOpened() const { return drawing_.drawn(); }
    QString saveDialog1FileName;

    void N2Click();  // Save
    void N5Click();  // Refresh
    void N4Click();  // Exit
    void BackMouseMove(int screenX, int screenY);
    void ShowHint2(const QString& hint);
    void SaveAsLargeBmp(const QString& fileName);

    // The drawing surface; its pixels are made at the first drawing.
    RasterSurface& surface();
    // The screen size the controls were sized from.
    ScreenSize createdSize() const { return createdSize_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

  private:
    ScreenSize CurrentScreen() const;
    // Draws the picture once per opening; an error is reported once.
    void DrawOnce();

    AppContext& app_;
    MainWindow& main_;
    ScreenSize createdSize_;
    std::unique_ptr<RasterSurface> surface_;
    FullScreenDrawing drawing_;
};

}  // namespace parabel::ui
