// The full-screen plot window: the equation the main window holds, drawn over
// the whole screen, with the pointer read-out in its status bar. What it
// draws, reads out and saves is the full-screen model's.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "app/full_screen_model.h"
#include "app_context.h"
#include "plot/plot_state.h"
#include "plot/raster_surface.h"
#include "remembered_file_dialog.h"

class QAction;
class QLabel;
class QMenuBar;
class QStatusBar;

namespace parabel::testing {
struct WindowProbe;
}

namespace parabel::ui {

class PlotArea;

class FullScreenWindow : public QDialog {
    Q_OBJECT
  public:
    // Draws what `plot` holds; the state's owner keeps it alive and changes
    // it only while this window is closed.
    FullScreenWindow(AppContext& app, const PlotState& plot, QWidget* parent);
    ~FullScreenWindow() override;

    // Opens the window over the whole screen and returns when it has closed.
    void execFullScreen();
    // The opening's first part, before the window shows: hints go to this
    // window's status bar, and the next chance draws the picture.
    void beginOpening();

    // Drawn since the window was last opened.
    bool drawnSinceOpened() const { return model_.drawnSinceOpened(); }
    // The picture; none before the first drawing.
    const RasterSurface* picture() const { return model_.surface(); }

  public slots:
    void savePicture();
    void refresh();
    // The read-out of the pointer at a point of the screen.
    void showPointer(int screenX, int screenY);
    void showHint(const QString& hint);
    // The context menu's command: the picture the save command writes, on
    // the clipboard.
    void copyPlot();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void createActions();
    void createMenuBar();
    void createControls();
    void createStatusBar();
    void layOut();
    // The window's words in the current language.
    void retranslate();
    void connectCommand(QAction* action, void (FullScreenWindow::*command)());

    // Draws the picture once per opening; an error is reported once.
    void drawOnce();
    // Shows what a drawing left on the surface, and its box.
    void showDrawing(const Report& report);
    Report redrawn();

    AppContext& app_;
    const PlotState& plot_;
    // Laid out for the screen of the window's making, which sizes its controls.
    FullScreenModel model_;
    QAction* saveAction_ = nullptr;
    QAction* refreshAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    std::vector<std::pair<CommandId, QAction*>> commandActions_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    PlotArea* plotArea_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    RememberedFileDialog pictureDialog_;
    // While open: the hint handler to give back when the window closes.
    std::optional<AppContext::HintHandler> replacedHintHandler_;

    friend struct ::parabel::testing::WindowProbe;
};

}  // namespace parabel::ui
