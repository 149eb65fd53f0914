// The main window: the equation field, the worked solution, the plot with its
// pointer read-out, the menu, the toolbar and the status bar. It owns the
// full-screen window and the About dialog, made when first opened, and draws
// its plot again after they close. Its commands are the window model's: the window asks what the
// desktop asks (dialogs, boxes) and shows what the model leaves.
#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "app/main_window_model.h"
#include "app/settings_store.h"
#include "app_context.h"
#include "plot/plot_state.h"
#include "plot/raster_surface.h"
#include "remembered_file_dialog.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QToolButton;
class QListWidget;
class QPushButton;
class QStatusBar;
class QTimer;

namespace parabel::testing {
struct WindowProbe;
}

namespace parabel::ui {

class AboutDialog;
class EquationEdit;
class FullScreenWindow;
class HistoryList;
class PlotArea;
class SolutionList;
class WorksheetDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Reads the curve colour from the settings file; an error there is
    // reported and the window goes on with colour 0.
    explicit MainWindow(AppContext& app);
    ~MainWindow() override;

    // The lines the last solve saved, the equation line first; none before
    // the first solve.
    const std::optional<std::vector<std::string>>& savedSolution() const {
        return model_.savedSolution();
    }
    // The equation last drawn and the curve colour.
    const PlotState& plotState() const { return model_.plotState(); }
    // The plot panel's picture.
    const RasterSurface& panel() const { return model_.panel(); }

  public slots:
    // The commands.
    void solve();
    void refresh();
    void openFullScreen();
    void clearAll();
    void saveSolution();
    void savePlot();
    void loadEquation();
    // The load command without its dialog, for a file named at start-up:
    // the same messages, then the plot drawn again.
    // The name is the command line's bytes, which need not be UTF-8; a
    // folder there is told as a folder.
    void loadEquationFile(const std::string& fileName);
    // The equation put in the field, as typed, and solved, as Enter does: for
    // an equation given on the command line.
    void solveEquation(const QString& equation);
    void exitProgram();
    void chooseCurveColor();
    // The worked solution and its plot on one page: printed after the print
    // preview, or saved as a PDF file; before the first solve and after
    // Clear, a box says there is nothing to print.
    void printSolution();
    void saveAsPdf();
    // The worksheet dialog, made when first opened; its sheets and key
    // printed after the print preview or saved as one PDF file, and any of
    // its equations opened here.
    void showWorksheet();
    // The equations solved: the drop-down at the field's end lists them,
    // Up and Down in the field walk through them.
    void showHistory();
    void clearHistory();
    void showAbout();
    // The redraw timer's tick: draws the plot a modal window covered once
    // none is showing.
    void redrawAfterModal();
    // The status bar's read-outs.
    void showHint(const QString& hint);
    void showPointer(int x, int y);
    // The copy commands: the whole worked solution as text, the plot as the
    // picture the plot export writes.
    void copySolution();
    void copyPlot();
    // The language command: menus, hints, names and the list's lines in
    // `language` at once, the field untouched; remembered for the next run.
    void changeLanguage(Language language);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createControls();
    void createStatusBar();
    void readSettings();
    void createDialogs();
    AboutDialog& aboutDialog();
    FullScreenWindow& fullScreenWindow();
    WorksheetDialog& worksheetDialog();
    void printWorksheet();
    void saveWorksheetAsPdf();
    void createCopyCommand();
    void createMenuKeys();
    QAction* createAction(const char* name, void (MainWindow::*command)());
    void addMenuItems(QMenu* menu, std::span<const MenuItem> items);
    void addLanguageMenu(QMenu* menu);
    QAction* commandAction(CommandId id) const;
    QMenu* addTitledMenu(QMenu* parent, Message title);
    // Every word the window shows, in the current language: at start and at
    // every change of language.
    void retranslate();

    void pressSolveButton();
    void equationKeyPressed(int key, Qt::KeyboardModifiers modifiers);

    // What a command left: the box it asks for, the field, the list, the
    // panel and its description.
    void tell(const Report& report);
    void showSolveReport(const SolveReport& report);
    void showPanel();
    // The plot drawn again from what it stored, as after any dialog; the
    // first shows its box itself, the second leaves it to the caller.
    void redrawFromState();
    Report redrawn();
    // Loads the named file's first line and solves it, showing its boxes:
    // false after the message when the file does not exist, nothing when an
    // error ended the command.
    std::optional<bool> loadFile(
        const std::string& fileName,
        MainWindowModel::FolderGiven folder = MainWindowModel::FolderGiven::kIsMissing);
    // The pages to print of the last solve, on the locale's paper with
    // today's date; nothing, after its box, when there is nothing to print.
    std::optional<PrintedDocument> documentToPrint();
    // Up and Down in the field.
    void walkHistory(bool older);

    AppContext& app_;
    SettingsFile settings_;
    HistoryFile history_;
    MainWindowModel model_;

    // One action for each command of the table, shared by menu and toolbar;
    // the toolbar's buttons carry their own hints, which may differ.
    QAction* solveAction_ = nullptr;
    QAction* refreshAction_ = nullptr;
    QAction* fullScreenAction_ = nullptr;
    QAction* clearAction_ = nullptr;
    QAction* saveSolutionAction_ = nullptr;
    QAction* savePlotAction_ = nullptr;
    QAction* loadAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* curveColorAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* copySolutionAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* savePdfAction_ = nullptr;
    QAction* worksheetAction_ = nullptr;
    QAction* historyAction_ = nullptr;
    QAction* clearHistoryAction_ = nullptr;
    std::vector<std::pair<CommandId, QAction*>> commandActions_;
    std::vector<std::pair<QMenu*, Message>> titledMenus_;
    std::vector<std::pair<QToolButton*, CommandId>> toolButtons_;
    QActionGroup* languageChoice_ = nullptr;

    QWidget* toolBand_ = nullptr;
    QWidget* toolBar_ = nullptr;
    EquationEdit* equationEdit_ = nullptr;
    SolutionList* solutionList_ = nullptr;
    QPushButton* solveButton_ = nullptr;  // off the window: the default button
    PlotArea* plotArea_ = nullptr;
    HistoryList* historyList_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* statusLabel_ = nullptr;

    RememberedFileDialog solutionDialog_;
    RememberedFileDialog equationDialog_;
    RememberedFileDialog plotDialog_;
    RememberedFileDialog pdfDialog_;
    RememberedFileDialog worksheetPdfDialog_;
    FullScreenWindow* fullScreen_ = nullptr;
    AboutDialog* about_ = nullptr;
    WorksheetDialog* worksheet_ = nullptr;
    QTimer* redrawTimer_ = nullptr;
    bool centred_ = false;

    friend struct ::parabel::testing::WindowProbe;
};

}  // namespace parabel::ui
