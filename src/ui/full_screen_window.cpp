#include "full_screen_window.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "app/commands.h"
#include "clipboard.h"
#include "core/catalog.h"
#include "divided_menu_bar.h"
#include "plot/picture.h"
#include "plot_area.h"
#include "window_font.h"

namespace parabel::ui {

namespace {

FileDialogOptions pictureDialog() {
    return {fileFilter(Message::kFileTypeBitmap, "*.bmp"), QStringLiteral("bmp"), false};
}

QString text(Message message) {
    return QString::fromUtf8(Text(message));
}

}  // namespace

FullScreenWindow::FullScreenWindow(AppContext& app, const PlotState& plot, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      app_(app),
      plot_(plot),
      model_(app.title().toStdString(), plot,
             [&app] {
                 const QSize screen = app.screenSize();
                 return ScreenSize{screen.width(), screen.height()};
             }),
      pictureDialog_(app.platform(), RememberedFileDialog::Kind::kSave, pictureDialog) {
    setFont(windowFont());
    const QSize screen = app_.screenSize();
    createActions();
    createMenuBar();
    createControls();
    createStatusBar();
    layOut();
    retranslate();
    setGeometry(0, 0, screen.width(), screen.height());
}

FullScreenWindow::~FullScreenWindow() = default;

void FullScreenWindow::connectCommand(QAction* action, void (FullScreenWindow::*command)()) {
    // Queued, as the main window's: the trigger returns before a dialog opens.
    connect(
        action, &QAction::triggered, this,
        [this, command] { app_.guard([this, command] { (this->*command)(); }); },
        Qt::QueuedConnection);
}

void FullScreenWindow::createActions() {
    auto add = [this](CommandId id, const char* name) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        const QString keys = QString::fromLatin1(CommandKeys(FindCommand(id), Faces::kWindow));
        action->setShortcut(QKeySequence(keys, QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        commandActions_.emplace_back(id, action);
        return action;
    };
    saveAction_ = add(CommandId::kFullScreenSave, "saveAction");
    connectCommand(saveAction_, &FullScreenWindow::savePicture);
    refreshAction_ = add(CommandId::kFullScreenRefresh, "refreshAction");
    connectCommand(refreshAction_, &FullScreenWindow::refresh);
    exitAction_ = add(CommandId::kFullScreenExit, "exitAction");
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);
}

void FullScreenWindow::retranslate() {
    setWindowTitle(text(Message::kFullScreenTitle));
    for (const auto& [id, action] : commandActions_) {
        const Command& command = FindCommand(id);
        action->setText(QString::fromUtf8(Text(command.text)));
        action->setStatusTip(QString::fromStdString(CommandHint(command, Faces::kWindow, false)));
    }
    statusBar_->setAccessibleName(text(Message::kWindowStatusBar));
    plotArea_->describe(plot_);
}

void FullScreenWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void FullScreenWindow::createMenuBar() {
    menuBar_ = new DividedMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    // The client area starts 20 pixels below the screen's top, where the
    // pointer read-out expects the plot's origin.
    menuBar_->setFixedHeight(20);
    for (const CommandId id : FullScreenMenu()) {
        for (const auto& [command, action] : commandActions_) {
            if (command == id) {
                menuBar_->addAction(action);
            }
        }
    }
}

void FullScreenWindow::createControls() {
    client_ = new QWidget(this);
    plotArea_ = new PlotArea(model_.layout(), client_);
    plotArea_->setObjectName(QStringLiteral("plotArea"));
    // The read-out takes the pointer's place on the screen.
    connect(plotArea_, &PlotArea::pointerMoved, this, [this](QPoint, QPoint global) {
        app_.guard([&] { showPointer(global.x(), global.y()); });
    });
    connect(plotArea_, &PlotArea::copyRequested, this,
            [this] { app_.guard([this] { copyPlot(); }); });
    // The plot is the window's one control: the keyboard's copy and context
    // menu reach it at once.
    setFocusProxy(plotArea_);
}

void FullScreenWindow::createStatusBar() {
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    statusBar_->setSizeGripEnabled(false);
    statusLabel_ = new QLabel(statusBar_);
    statusLabel_->setObjectName(QStringLiteral("statusLabel"));
    statusBar_->addWidget(statusLabel_, 1);
}

void FullScreenWindow::layOut() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(client_, 1);
    layout->addWidget(statusBar_);
}

void FullScreenWindow::beginOpening() {
    AppContext::HintHandler replaced =
        app_.setHintHandler([this](const QString& hint) { showHint(hint); });
    if (!replacedHintHandler_) {
        replacedHintHandler_ = std::move(replaced);
    }
    model_.BeginOpening();
    statusLabel_->clear();  // no read-out of an earlier opening
    plotArea_->describe(plot_);
}

void FullScreenWindow::execFullScreen() {
    beginOpening();
    setWindowState(windowState() | Qt::WindowFullScreen);
    exec();
}

void FullScreenWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The picture appears as soon as the window does, also for a keyboard user.
    QTimer::singleShot(0, this, [this] { drawOnce(); });
}

void FullScreenWindow::hideEvent(QHideEvent* event) {
    // Hints go back where they went before, however this window closed.
    if (replacedHintHandler_) {
        app_.setHintHandler(std::move(*replacedHintHandler_));
        replacedHintHandler_.reset();
    }
    QDialog::hideEvent(event);
}

bool FullScreenWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        app_.showHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void FullScreenWindow::showDrawing(const Report& report) {
    plotArea_->setSurface(model_.surface());
    app_.tell(report);
}

Report FullScreenWindow::redrawn() {
    Report report = model_.Refresh();
    plotArea_->setSurface(model_.surface());
    return report;
}

void FullScreenWindow::drawOnce() {
    if (!isVisible()) {
        return;
    }
    // A fault is reported here, once per opening, not by the caller.
    showDrawing(model_.DrawOnce());
}

void FullScreenWindow::refresh() {
    showDrawing(model_.Refresh());
}

void FullScreenWindow::showPointer(int screenX, int screenY) {
    drawOnce();
    statusLabel_->setText(QString::fromStdString(model_.PointerText(screenX, screenY)));
}

void FullScreenWindow::showHint(const QString& hint) {
    statusLabel_->setText(hint);
}

void FullScreenWindow::savePicture() {
    showDrawing(pictureDialog_.runSave(
        this, [this] { return redrawn(); },
        [this](const QString& fileName) { return model_.SavePicture(fileName.toStdString()); }));
}

void FullScreenWindow::copyPlot() {
    copyPicture(model_.Picture());
    plotArea_->setSurface(model_.surface());
}

}  // namespace parabel::ui
