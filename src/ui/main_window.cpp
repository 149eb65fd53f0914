// The main window's layout and wiring. Its commands are in
// main_window_commands.cpp, its file and colour commands in
// main_window_files.cpp, its plot in main_window_plot.cpp, its copy commands
// in main_window_copy.cpp, and what keyboards and screen readers need in
// main_window_accessibility.cpp.
#include "main_window.h"

#include <QAction>
#include <QActionGroup>
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
#include "core/catalog.h"
#include "equation_edit.h"
#include "full_screen_window.h"
#include "history_list.h"
#include "images.h"
#include "layout_keys.h"
#include "plot/picture.h"
#include "plot_area.h"
#include "solution_list.h"
#include "window_font.h"
#include "worksheet_dialog.h"

namespace parabel::ui {

namespace {

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 391;

FileDialogOptions solutionDialog() {
    return {fileFilter(Message::kFileTypeText, "*.txt"), QStringLiteral("txt"), true};
}
FileDialogOptions equationDialog() {
    return {QString(), QString(), false};
}
FileDialogOptions plotDialog() {
    return {fileFilter(Message::kFileTypeBitmap, "*.bmp"), QStringLiteral("bmp"), false};
}
FileDialogOptions pdfDialog() {
    return {fileFilter(Message::kFileTypePdf, "*.pdf"), QStringLiteral("pdf"), true};
}

// The keys of a row of the command table ("Return, Enter").
QList<QKeySequence> windowKeys(const Command& command) {
    QList<QKeySequence> keys;
    const QString written = QString::fromLatin1(CommandKeys(command, Faces::kWindow));
    for (const QString& key : written.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        keys << QKeySequence(key, QKeySequence::PortableText);
    }
    return keys;
}

// "saveSolutionAction" -> "saveSolutionToolButton".
QString toolButtonName(const QAction* action) {
    QString name = action->objectName();
    name.chop(int(std::char_traits<char>::length("Action")));
    return name + QStringLiteral("ToolButton");
}

}  // namespace

MainWindow::MainWindow(AppContext& app)
    : app_(app),
      settings_(app.settingsLocation()),
      history_(app.stateFolder()),
      model_(app.title().toStdString(), settings_, history_),
      solutionDialog_(app.platform(), RememberedFileDialog::Kind::kSave, solutionDialog),
      equationDialog_(app.platform(), RememberedFileDialog::Kind::kOpen, equationDialog),
      plotDialog_(app.platform(), RememberedFileDialog::Kind::kSave, plotDialog),
      pdfDialog_(app.platform(), RememberedFileDialog::Kind::kSave, pdfDialog),
      worksheetPdfDialog_(app.platform(), RememberedFileDialog::Kind::kSave, pdfDialog) {
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
    retranslate();
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
    delete worksheet_;
}

QAction* MainWindow::createAction(const char* name, void (MainWindow::*command)()) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
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
    // The window's part of each command of the table: its action, its
    // method, and whether the action takes the command's keys.
    struct Binding {
        CommandId id;
        QAction* MainWindow::*action;
        const char* name;
        void (MainWindow::*command)();
        bool takesKeys;
    };
    using enum CommandId;
    const Binding bindings[] = {
        {kSolve, &MainWindow::solveAction_, "solveAction", &MainWindow::pressSolveButton, true},
        {kRefresh, &MainWindow::refreshAction_, "refreshAction", &MainWindow::refresh, true},
        {kFullScreen, &MainWindow::fullScreenAction_, "fullScreenAction",
         &MainWindow::openFullScreen, true},
        {kClear, &MainWindow::clearAction_, "clearAction", &MainWindow::clearAll, true},
        {kSaveSolution, &MainWindow::saveSolutionAction_, "saveSolutionAction",
         &MainWindow::saveSolution, true},
        {kSavePlot, &MainWindow::savePlotAction_, "savePlotAction", &MainWindow::savePlot, true},
        {kSavePdf, &MainWindow::savePdfAction_, "savePdfAction", &MainWindow::saveAsPdf, true},
        {kLoad, &MainWindow::loadAction_, "loadAction", &MainWindow::loadEquation, true},
        {kPrint, &MainWindow::printAction_, "printAction", &MainWindow::printSolution, true},
        {kWorksheet, &MainWindow::worksheetAction_, "worksheetAction", &MainWindow::showWorksheet,
         true},
        {kExit, &MainWindow::exitAction_, "exitAction", &MainWindow::exitProgram, true},
        {kCurveColor, &MainWindow::curveColorAction_, "curveColorAction",
         &MainWindow::chooseCurveColor, true},
        {kClearHistory, &MainWindow::clearHistoryAction_, "clearHistoryAction",
         &MainWindow::clearHistory, true},
        {kAbout, &MainWindow::aboutAction_, "aboutAction", &MainWindow::showAbout, true},
        // Its key (Alt+Down) is the field's own: it opens the list only there.
        {kHistory, &MainWindow::historyAction_, "historyAction", &MainWindow::showHistory, false},
    };
    for (const Binding& binding : bindings) {
        QAction* action = createAction(binding.name, binding.command);
        if (binding.takesKeys) {
            action->setShortcuts(windowKeys(FindCommand(binding.id)));
        }
        this->*binding.action = action;
        commandActions_.emplace_back(binding.id, action);
    }
}

QAction* MainWindow::commandAction(CommandId id) const {
    for (const auto& [command, action] : commandActions_) {
        if (command == id) {
            return action;
        }
    }
    return nullptr;
}

QMenu* MainWindow::addTitledMenu(QMenu* parent, Message title) {
    QMenu* menu = parent != nullptr ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    titledMenus_.emplace_back(menu, title);
    return menu;
}

void MainWindow::addMenuItems(QMenu* menu, std::span<const MenuItem> items) {
    for (const MenuItem& item : items) {
        if (!ShowsOn(item.faces, Faces::kWindow)) {
            continue;
        }
        switch (item.kind) {
            case MenuItemKind::kCommand:
                if (QAction* action = commandAction(item.command)) {
                    menu->addAction(action);
                }
                break;
            case MenuItemKind::kSeparator:
                menu->addSeparator();
                break;
            case MenuItemKind::kSubmenu:
                addMenuItems(addTitledMenu(menu, item.title), item.items);
                break;
            case MenuItemKind::kLanguages:
                addLanguageMenu(addTitledMenu(menu, item.title));
                break;
        }
    }
}

void MainWindow::addLanguageMenu(QMenu* menu) {
    // Each language by its own name, the one spoken now checked.
    menu->setObjectName(QStringLiteral("languageMenu"));
    languageChoice_ = new QActionGroup(this);
    for (const Language language : OfferedLanguages()) {
        auto* action =
            new QAction(QString::fromUtf8(Text(Message::kLanguageName, language)), languageChoice_);
        action->setObjectName(QString::fromLatin1(LanguageCode(language)) +
                              QStringLiteral("LanguageAction"));
        action->setCheckable(true);
        action->setData(static_cast<int>(language));
        menu->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, language] { app_.guard([this, language] { changeLanguage(language); }); });
    }
}

void MainWindow::createMenus() {
    // Each title's marked letter, with Alt, opens its menu; it shows
    // underlined only while Alt is held (see layout_keys.h).
    for (const Menu& menu : MainMenus()) {
        QMenu* added = addTitledMenu(nullptr, menu.title);
        added->setObjectName(QString::fromLatin1(menu.name) + QStringLiteral("Menu"));
        addMenuItems(added, menu.items);
    }
}

void MainWindow::createToolBar() {
    // The band holding the toolbar, and the toolbar; buttons 23 pixels apart,
    // separators 8 pixels wide.
    toolBand_ = new QFrame(centralWidget());
    toolBand_->setObjectName(QStringLiteral("toolBand"));
    toolBand_->setGeometry(0, 0, kClientWidth, 28);
    toolBar_ = new QWidget(toolBand_);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setGeometry(11, 2, 615, 24);
    int left = 0;
    for (const std::optional<CommandId>& place : MainToolbar()) {
        QAction* action = place ? commandAction(*place) : nullptr;
        if (action == nullptr) {
            auto* separator = new QFrame(toolBar_);
            separator->setObjectName(QStringLiteral("toolBarSeparator"));
            separator->setFrameShape(QFrame::VLine);
            separator->setFrameShadow(QFrame::Sunken);
            separator->setGeometry(left, 2, 8, 20);
            left += 8;
            continue;
        }
        // The button runs its action and shows its own hint; the image stays
        // on the button, since an image on the action would shift the menu's
        // shortcut column even where the menu hides it.
        auto* button = new QToolButton(toolBar_);
        button->setObjectName(toolButtonName(action));
        button->setGeometry(left, 0, 23, 22);
        button->setIcon(toolbarImage(CommandToolImage(*place)));
        button->setIconSize(QSize(16, 16));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
        toolButtons_.emplace_back(button, *place);
        left += 23;
    }
}

void MainWindow::createControls() {
    QWidget* client = centralWidget();
    {
        const ApplicationFontScope fieldFont(windowFont(16, true));
        equationEdit_ = new EquationEdit(client);
    }
    equationEdit_->setObjectName(QStringLiteral("equationEdit"));
    equationEdit_->setGeometry(8, 32, 289, 26);
    equationEdit_->setFont(windowFont(16, true));
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

    solveButton_ = new QPushButton(client);
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
