// The main window's layout and wiring. Its commands are in
// main_window_commands.cpp, its file and colour commands in
// main_window_files.cpp, its plot in main_window_plot.cpp, its copy commands
// in main_window_copy.cpp, and what keyboards and screen readers need in
// main_window_accessibility.cpp.
#include "main_window.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>

#include "about_dialog.h"
#include "accessibility.h"
#include "equation_edit.h"
#include "full_screen_window.h"
#include "history_list.h"
#include "images.h"
#include "layout_keys.h"
#include "plot/picture.h"
#include "plot_area.h"
#include "solution_list.h"
#include "window_font.h"

namespace parabel::ui {

namespace {

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 391;

const FileDialogOptions kSolutionDialog{QStringLiteral("Текстовые файлы|*.txt"),
                                        QStringLiteral("txt"), true};
const FileDialogOptions kEquationDialog{QString(), QString(), false};
const FileDialogOptions kPlotDialog{QStringLiteral("Растровые изображения|*.bmp"),
                                    QStringLiteral("bmp"), false};
const FileDialogOptions kPdfDialog{QStringLiteral("Документы PDF|*.pdf"), QStringLiteral("pdf"),
                                   true};

}  // namespace

MainWindow::MainWindow(AppContext& app)
    : app_(app),
      settings_(app.settingsLocation()),
      history_(app.stateFolder()),
      model_(app.title().toStdString(), settings_, history_),
      solutionDialog_(app.platform(), RememberedFileDialog::Kind::kSave, kSolutionDialog),
      equationDialog_(app.platform(), RememberedFileDialog::Kind::kOpen, kEquationDialog),
      plotDialog_(app.platform(), RememberedFileDialog::Kind::kSave, kPlotDialog),
      pdfDialog_(app.platform(), RememberedFileDialog::Kind::kSave, kPdfDialog) {
    // Before any control exists, so screen readers see each as described.
    installAccessibility();
    setWindowTitle(QStringLiteral("Parabel v1.0"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(windowFont());
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    createActions();
    createMenus();
    createToolBar();
    createControls();
    createStatusBar();
    setFixedSize(sizeHint());
    readSettings();
    model_.ReadHistory();
    createDialogs();
    createCopyCommand();
    createAccessibleTexts();
    createMenuKeys();
    installLayoutIndependentKeys();
}

MainWindow::~MainWindow() {
    // The list's lines go with the list, after this window's own members:
    // their signals must no longer reach it.
    solutionList_->model()->disconnect(this);
    // The dialogs read this window's state: they go before it does.
    delete about_;
    delete fullScreen_;
}

QAction* MainWindow::createAction(const char* name, const QString& caption, const QString& hint,
                                  void (MainWindow::*command)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);
    // Queued: the command runs once the action has returned, so whoever
    // triggered it (a screen reader's "press" among them) never waits for a
    // window the command opens.
    connect(
        action, &QAction::triggered, this,
        [this, command] { app_.guard([this, command] { (this->*command)(); }); },
        Qt::QueuedConnection);
    return action;
}

void MainWindow::createActions() {
    solveAction_ =
        createAction("solveAction", QStringLiteral("Решать"), QStringLiteral("Решать !!! (Enter)"),
                     &MainWindow::pressSolveButton);
    solveAction_->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    solveToolAction_ = createAction("solveToolAction", QStringLiteral("Решать"),
                                    QStringLiteral("Решать !!!"), &MainWindow::pressSolveButton);
    refreshAction_ = createAction("refreshAction", QStringLiteral("Обновить"),
                                  QStringLiteral("Обновить (F5)"), &MainWindow::refresh);
    refreshAction_->setShortcut(QKeySequence(Qt::Key_F5));
    fullScreenAction_ =
        createAction("fullScreenAction", QStringLiteral("Полноэкранный режим"),
                     QStringLiteral("Вход в полноэкранный режим построения графика (Ctrl+P)"),
                     &MainWindow::openFullScreen);
    fullScreenAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    clearAction_ = createAction("clearAction", QStringLiteral("Очистить"),
                                QStringLiteral("Очистить (Ctrl+A)"), &MainWindow::clearAll);
    clearAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    saveSolutionAction_ =
        createAction("saveSolutionAction", QStringLiteral("Решение"),
                     QStringLiteral("Сохранить решение (Ctrl+S)"), &MainWindow::saveSolution);
    saveSolutionAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    savePlotAction_ =
        createAction("savePlotAction", QStringLiteral("График"),
                     QStringLiteral("Сохранить график (Ctrl+G)"), &MainWindow::savePlot);
    savePlotAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    loadAction_ = createAction("loadAction", QStringLiteral("Загрузить"),
                               QStringLiteral("Загрузить (Ctrl+L)"), &MainWindow::loadEquation);
    loadAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    exitAction_ =
        createAction("exitAction", QStringLiteral("Выход"),
                     QStringLiteral("Выход из программы (Ctrl+E)"), &MainWindow::exitProgram);
    exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    curveColorAction_ = createAction("curveColorAction", QStringLiteral("Цвет функции..."),
                                     QStringLiteral("Настроить цвет прорисовки функции (Ctrl+W)"),
                                     &MainWindow::chooseCurveColor);
    curveColorAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    // "Прогрмме" as the program has always spelt it, on purpose: users and
    // their guides know the item by this caption.
    aboutAction_ = createAction("aboutAction", QStringLiteral("О Прогрмме"),
                                QStringLiteral("Краткое руководство по пользованию программы"),
                                &MainWindow::showAbout);
    aboutAction_->setShortcut(QKeySequence(Qt::Key_F1));
    aboutToolAction_ =
        createAction("aboutToolAction", QStringLiteral("О Прогрмме"),
                     QStringLiteral("Краткое руководство по пользованию программы (F1)"),
                     &MainWindow::showAbout);
    // Commands beyond the window's first ones, with keys none of those use.
    printAction_ = createAction("printAction", QStringLiteral("Печать..."),
                                QStringLiteral("Печать решения и графика (Ctrl+Shift+P)"),
                                &MainWindow::printSolution);
    printAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    savePdfAction_ =
        createAction("savePdfAction", QStringLiteral("Сохранить в PDF..."),
                     QStringLiteral("Сохранить решение и график в PDF"), &MainWindow::saveAsPdf);
    historyAction_ =
        createAction("historyAction", QStringLiteral("Решённые уравнения"),
                     QStringLiteral("Решённые уравнения (Alt+Down)"), &MainWindow::showHistory);
    clearHistoryAction_ = createAction("clearHistoryAction", QStringLiteral("Очистить историю"),
                                       QStringLiteral("Очистить список решённых уравнений"),
                                       &MainWindow::clearHistory);
}

void MainWindow::createMenus() {
    // Each title's first letter, with Alt, opens its menu; it shows
    // underlined only while Alt is held (see layout_keys.h).
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->addAction(solveAction_);
    file->addAction(refreshAction_);
    file->addSeparator();
    file->addAction(fullScreenAction_);
    file->addSeparator();
    file->addAction(clearAction_);
    file->addSeparator();
    QMenu* save = file->addMenu(QStringLiteral("Сохранить..."));
    save->addAction(saveSolutionAction_);
    save->addAction(savePlotAction_);
    file->addAction(savePdfAction_);
    file->addAction(loadAction_);
    file->addSeparator();
    file->addAction(printAction_);
    file->addSeparator();
    file->addAction(exitAction_);
    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Настройки"));
    settings->addAction(curveColorAction_);
    settings->addAction(clearHistoryAction_);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Справка"));
    help->addAction(aboutAction_);
}

void MainWindow::createToolBar() {
    // The band holding the toolbar, and the toolbar; buttons 23 pixels apart,
    // separators 8 pixels wide.
    toolBand_ = new QFrame(centralWidget());
    toolBand_->setObjectName(QStringLiteral("toolBand"));
    toolBand_->setGeometry(0, 0, kClientWidth, 28);
    toolBar_ = new QWidget(toolBand_);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setAccessibleName(QStringLiteral("Панель инструментов"));
    toolBar_->setGeometry(11, 2, 615, 24);
    struct Place {
        QAction* action;  // none: a separator
        const char* name;
        int left;
        ToolbarImage image;
    };
    using enum ToolbarImage;
    const Place places[] = {
        {clearAction_, "clearToolButton", 0, kBlankPage},
        {loadAction_, "loadToolButton", 23, kOpenFolder},
        {saveSolutionAction_, "saveSolutionToolButton", 46, kFloppyDisk},
        {savePlotAction_, "savePlotToolButton", 69, kHardDisk},
        {nullptr, nullptr, 92, {}},
        {solveToolAction_, "solveToolButton", 100, kGearWheels},
        {refreshAction_, "refreshToolButton", 123, kCirclingArrows},
        {fullScreenAction_, "fullScreenToolButton", 146, kMagnifyingGlass},
        {nullptr, nullptr, 169, {}},
        {aboutToolAction_, "aboutToolButton", 177, kRunningFigure},
        {nullptr, nullptr, 200, {}},
        {exitAction_, "exitToolButton", 208, kPower},
        {nullptr, nullptr, 231, {}},
        {printAction_, "printToolButton", 239, kPrinter},
    };
    for (const Place& place : places) {
        if (place.action == nullptr) {
            auto* separator = new QFrame(toolBar_);
            separator->setObjectName(QStringLiteral("toolBarSeparator"));
            separator->setFrameShape(QFrame::VLine);
            separator->setFrameShadow(QFrame::Sunken);
            separator->setGeometry(place.left, 2, 8, 20);
            continue;
        }
        // The button runs its action and shows its hint; the image stays on
        // the button, since an image on the action would shift the menu's
        // shortcut column even where the menu hides it.
        auto* button = new QToolButton(toolBar_);
        button->setObjectName(QString::fromLatin1(place.name));
        button->setGeometry(place.left, 0, 23, 22);
        button->setIcon(toolbarImage(place.image));
        button->setIconSize(QSize(16, 16));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setStatusTip(place.action->statusTip());
        connect(button, &QToolButton::clicked, place.action, &QAction::trigger);
    }
}

void MainWindow::createControls() {
    QWidget* client = centralWidget();
    equationEdit_ = new EquationEdit(client);
    equationEdit_->setObjectName(QStringLiteral("equationEdit"));
    equationEdit_->setGeometry(8, 32, 289, 26);
    equationEdit_->setFont(windowFont(16, true));
    equationEdit_->setStatusTip(QStringLiteral("Введите в это поле уравнение вида Ax^2+Bx+C=0"));
    // The drop-down of the equations solved, at the field's end.
    historyAction_->setIcon(dropDownImage());
    equationEdit_->addAction(historyAction_, QLineEdit::TrailingPosition);
    historyList_ = new HistoryList(equationEdit_);
    connect(historyList_, &HistoryList::chosen, this, [this](const QString& equation) {
        equationEdit_->setEquation(equation);
        model_.EndHistoryWalk();
        equationEdit_->setFocus();
    });
    connect(equationEdit_, &QLineEdit::textEdited, this, [this] { model_.EndHistoryWalk(); });
    // Told once the edit that was refused has been handled.
    connect(
        equationEdit_, &EquationEdit::tooLong, this, [this] { tell(EquationTooLongBox()); },
        Qt::QueuedConnection);
    connect(equationEdit_, &EquationEdit::keyPressed, this,
            [this](int key, Qt::KeyboardModifiers modifiers) {
                app_.guard([&] { equationKeyPressed(key, modifiers); });
            });
    QList<QKeySequence> menuShortcuts;
    for (QAction* action : {solveAction_, refreshAction_, fullScreenAction_, clearAction_,
                            saveSolutionAction_, savePlotAction_, loadAction_, exitAction_,
                            curveColorAction_, aboutAction_, printAction_}) {
        menuShortcuts += action->shortcuts();
    }
    equationEdit_->setWindowShortcuts(menuShortcuts);

    solutionList_ = new SolutionList(client);
    solutionList_->setObjectName(QStringLiteral("solutionList"));
    solutionList_->setGeometry(8, 64, 289, 306);
    solutionList_->setFont(windowFont(16, true));
    solutionList_->setViewMode(QListView::ListMode);
    solutionList_->setIconSize(QSize(16, 16));
    solutionList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    solutionList_->setFrameShape(QFrame::Box);
    solutionList_->setLineWidth(1);
    solutionList_->setStatusTip(QStringLiteral("Решение"));

    solveButton_ = new QPushButton(QStringLiteral("Решать !!!"), client);
    solveButton_->setObjectName(QStringLiteral("solveButton"));
    solveButton_->setGeometry(-1000, 376, 97, 25);
    solveButton_->setDefault(true);
    solveButton_->setFocusPolicy(Qt::NoFocus);  // Tab would lose the focus off the window
    // Off the window and hidden: nothing a user or a screen reader could
    // find; the solve commands click it all the same. A window of its own
    // that never shows, so that screen readers, which list a window's
    // hidden controls too, never meet it.
    solveButton_->setWindowFlag(Qt::Window);
    solveButton_->hide();
    connect(solveButton_, &QPushButton::clicked, this, [this] { app_.guard([this] { solve(); }); });

    plotArea_ = new PlotArea(MainPictureLayout(), client);
    plotArea_->setObjectName(QStringLiteral("plotArea"));
    plotArea_->move(304, 32);
    plotArea_->setSurface(&model_.panel());
    connect(plotArea_, &PlotArea::pointerMoved, this,
            [this](QPoint pixel) { app_.guard([&] { showPointer(pixel.x(), pixel.y()); }); });

    setTabOrder(equationEdit_, solutionList_);
    setTabOrder(solutionList_, plotArea_);
    equationEdit_->setFocus();
}

void MainWindow::createStatusBar() {
    statusBar_ = new QStatusBar(centralWidget());
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    statusBar_->setGeometry(0, 372, kClientWidth, 19);
    statusBar_->setSizeGripEnabled(false);
    statusLabel_ = new QLabel(statusBar_);
    statusLabel_->setObjectName(QStringLiteral("statusLabel"));
    statusBar_->addWidget(statusLabel_, 1);
    app_.setHintHandler([this](const QString& hint) { showHint(hint); });
}

AboutDialog& MainWindow::aboutDialog() {
    // Made when first shown: it is hidden until then, so nothing shows the
    // difference, and start-up does not pay for it.
    if (about_ == nullptr) {
        about_ = new AboutDialog(app_.platform(), this);
        // However the About dialog closes, the plot it covered is drawn again.
        connect(about_, &QDialog::finished, this,
                [this] { app_.guard([this] { redrawFromState(); }); });
    }
    return *about_;
}

void MainWindow::createDialogs() {
    // Once more after either modal window, when it has gone.
    redrawTimer_ = new QTimer(this);
    redrawTimer_->setObjectName(QStringLiteral("redrawTimer"));
    redrawTimer_->setInterval(200);
    connect(redrawTimer_, &QTimer::timeout, this,
            [this] { app_.guard([this] { redrawAfterModal(); }); });
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        app_.showHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_ && screen() != nullptr) {
        centred_ = true;
        const QRect area = screen()->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    activateWindow();  // the focus in the equation field, also without a window manager
}

}  // namespace parabel::ui
