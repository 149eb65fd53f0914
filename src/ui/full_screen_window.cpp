#include "full_screen_window.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "accessibility.h"
#include "io/bmp.h"
#include "io/safe_save.h"
#include "plot/picture.h"
#include "window_font.h"

namespace parabel::ui {

namespace {

const FileDialogOptions kPictureDialog{QStringLiteral("Растровые изображения|*.bmp"),
                                       QStringLiteral("bmp"), false};

}  // namespace

FullScreenWindow::FullScreenWindow(AppContext& app, const PlotState& plot, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      app_(app),
      plot_(plot),
      pictureDialog_(app.platform(), RememberedFileDialog::Kind::kSave, kPictureDialog) {
    setWindowTitle(QStringLiteral("Полноэкранный режим построения графика"));
    setFont(windowFont());
    const QSize screen = app_.screenSize();
    createdSize_ = {screen.width(), screen.height()};
    createActions();
    createMenuBar();
    createControls();
    createStatusBar();
    layOut();
    createCopyCommand();
    describePlotArea(pointerArea_, plot_);
    setGeometry(0, 0, screen.width(), screen.height());
}

FullScreenWindow::~FullScreenWindow() = default;

void FullScreenWindow::connectCommand(QAction* action, void (FullScreenWindow::*command)()) {
    connect(action, &QAction::triggered, this,
            [this, command] { app_.guard([&] { (this->*command)(); }); });
}

void FullScreenWindow::createActions() {
    auto add = [this](const char* name, const QString& caption, const QKeySequence& shortcut,
                      const QString& hint) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setStatusTip(hint);
        addAction(action);
        return action;
    };
    saveAction_ = add("saveAction", QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S),
                      QStringLiteral("Сохранить график (Ctrl+S)"));
    connectCommand(saveAction_, &FullScreenWindow::savePicture);
    refreshAction_ = add("refreshAction", QStringLiteral("Обновить"),
                         QKeySequence(Qt::CTRL | Qt::Key_F5), QStringLiteral("Обновить (Ctrl+F5)"));
    connectCommand(refreshAction_, &FullScreenWindow::refresh);
    exitAction_ = add("exitAction", QStringLiteral("Выход"), QKeySequence(Qt::CTRL | Qt::Key_E),
                      QStringLiteral("Выход из полноэкранного режима (Ctrl+E)"));
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);
}

void FullScreenWindow::createMenuBar() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    // The client area starts 20 pixels below the screen's top, where the
    // pointer read-out expects the plot's origin.
    menuBar_->setFixedHeight(20);
    auto addDivider = [this] { menuBar_->addAction(QStringLiteral("|"))->setEnabled(false); };
    menuBar_->addAction(saveAction_);
    addDivider();
    menuBar_->addAction(refreshAction_);
    addDivider();
    menuBar_->addAction(exitAction_);
}

void FullScreenWindow::createControls() {
    client_ = new QWidget(this);
    plotFrame_ = new PlotFrame(client_);
    plotFrame_->setGeometry(0, 0, createdSize_.width, createdSize_.height - 40);
    plotView_ = new SurfaceView(nullptr, client_);
    plotView_->setObjectName(QStringLiteral("plotView"));
    plotView_->setGeometry(8, 9, createdSize_.width - 16, createdSize_.height - 16);
    pointerArea_ = new PointerArea(client_);
    pointerArea_->setObjectName(QStringLiteral("pointerArea"));
    pointerArea_->setGeometry(0, 0, createdSize_.width, createdSize_.height - 40);
    // The read-out takes the pointer's place on the screen.
    connect(pointerArea_, &PointerArea::pointerMoved, this, [this] {
        const QPoint global = QCursor::pos();
        app_.guard([&] { showPointer(global.x(), global.y()); });
    });
}

void FullScreenWindow::createStatusBar() {
    statusBar_ = new QStatusBar(this);
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

RasterSurface& FullScreenWindow::surface() {
    if (!surface_) {
        surface_ =
            std::make_unique<RasterSurface>(MakeFullScreenSurface(createdSize_, SystemColor(15)));
        plotView_->setSurface(surface_.get());
    }
    return *surface_;
}

ScreenSize FullScreenWindow::currentScreen() const {
    const QSize screen = app_.screenSize();
    return {screen.width(), screen.height()};
}

void FullScreenWindow::beginOpening() {
    AppContext::HintHandler replaced =
        app_.setHintHandler([this](const QString& hint) { showHint(hint); });
    if (!replacedHintHandler_) {
        replacedHintHandler_ = std::move(replaced);
    }
    drawing_.Reset();
    describePlotArea(pointerArea_, plot_);
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

void FullScreenWindow::drawOnce() {
    if (!isVisible()) {
        return;
    }
    try {
        drawing_.DrawOnce(surface(), currentScreen(), plot_);
    } catch (const std::exception& error) {
        plotView_->surfaceChanged();
        app_.reportError(error);
        return;
    }
    plotView_->surfaceChanged();
}

void FullScreenWindow::refresh() {
    try {
        FullScreenDrawing::Draw(surface(), currentScreen(), plot_);
    } catch (...) {
        plotView_->surfaceChanged();
        throw;
    }
    plotView_->surfaceChanged();
}

void FullScreenWindow::showPointer(int screenX, int screenY) {
    drawOnce();
    statusLabel_->setText(
        QString::fromStdString(FullScreenPointerText(screenX, screenY, currentScreen())));
}

void FullScreenWindow::showHint(const QString& hint) {
    statusLabel_->setText(hint);
}

void FullScreenWindow::savePicture() {
    pictureDialog_.runSave(
        this, [this] { refresh(); }, [this](const QString& fileName) { writePicture(fileName); });
}

void FullScreenWindow::writePicture(const QString& fileName) {
    // Streamed from the surface a row at a time: a picture of the whole
    // screen never exists twice in memory.
    const FramedSurface picture = FullScreenPictureRows(surface(), createdSize_);
    SaveFileSafely(fileName.toStdString(),
                   FileContent(BmpFileSize(picture.width(), picture.height()),
                               [&](const FileContent::Sink& sink) {
                                   WriteBmp(
                                       picture.width(), picture.height(),
                                       [&](int y, Pixel* out) { picture.Row(y, out); }, sink);
                               }));
}

}  // namespace parabel::ui
