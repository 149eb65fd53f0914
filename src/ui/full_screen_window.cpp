#include "full_screen_window.h"

#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "io/bmp.h"
#include "io/safe_save.h"
#include "main_window.h"
#include "plot/picture.h"
#include "window_font.h"

namespace parabel::ui {

namespace {

const FileDialogOptions kPictureDialog{QStringLiteral("Растровые изображения|*.bmp"),
                                       QStringLiteral("bmp"), false};

}  // namespace

FullScreenWindow::FullScreenWindow(AppContext& app, MainWindow& main)
    : QDialog(&main, Qt::Dialog | Qt::FramelessWindowHint), app_(app), main_(main) {
    setWindowTitle(QStringLiteral("Полноэкранный режим построения графика"));
    setFont(windowFont());
    const QSize screen = app_.screenSize();
    createdSize_ = {screen.width(), screen.height()};

    Menu = new QMenuBar(this);
    // The client area starts 20 pixels below the screen's top, where the
    // pointer read-out expects the plot's origin.
    Menu->setFixedHeight(20);
    auto command = [this](const QString& caption, const QKeySequence& shortcut, const QString& hint,
                          void (FullScreenWindow::*handler)()) {
        QAction* action = Menu->addAction(caption);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setStatusTip(hint);
        addAction(action);
        connect(action, &QAction::triggered, this,
                [this, handler] { app_.guard([&] { (this->*handler)(); }); });
        return action;
    };
    auto divider = [this] {
        QAction* action = Menu->addAction(QStringLiteral("|"));
        action->setEnabled(false);
        return action;
    };
    N2 = command(QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S),
                 QStringLiteral("Сохранить график (Ctrl+S)"), &FullScreenWindow::N2Click);
    N1 = divider();
    N5 = command(QStringLiteral("Обновить"), QKeySequence(Qt::CTRL | Qt::Key_F5),
                 QStringLiteral("Обновить (Ctrl+F5)"), &FullScreenWindow::N5Click);
    N3 = divider();
    N4 = command(QStringLiteral("Выход"), QKeySequence(Qt::CTRL | Qt::Key_E),
                 QStringLiteral("Выход из полноэкранного режима (Ctrl+E)"),
                 &FullScreenWindow::N4Click);

    auto* client = new QWidget(this);
    Shape1 = new PlotFrame(client);
    Shape1->setGeometry(0, 0, createdSize_.width, createdSize_.height - 40);
    MPB = new SurfaceView(nullptr, client);
    MPB->setGeometry(8, 9, createdSize_.width - 16, createdSize_.height - 16);
    Back = new PointerArea(client);
    Back->setGeometry(0, 0, createdSize_.width, createdSize_.height - 40);
    Back->onMouseMove = [this](int, int) {
        const QPoint global = QCursor::pos();
        app_.guard([&] { BackMouseMove(global.x(), global.y()); });
    };
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel = new QLabel(StatusBar1);
    StatusBar1->addWidget(StatusPanel, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(Menu);
    layout->addWidget(client, 1);
    layout->addWidget(StatusBar1);
    setGeometry(0, 0, screen.width(), screen.height());
}

FullScreenWindow::~FullScreenWindow() = default;

RasterSurface& FullScreenWindow::surface() {
    if (!surface_) {
        surface_ =
            std::make_unique<RasterSurface>(MakeFullScreenSurface(createdSize_, SystemColor(15)));
        MPB->SetSurface(surface_.get());
    }
    return *surface_;
}

ScreenSize FullScreenWindow::CurrentScreen() const {
    const QSize screen = app_.screenSize();
    return {screen.width(), screen.height()};
}

void FullScreenWindow::BeginOpening() {
    app_.setHintHandler([this](const QString& hint) { ShowHint2(hint); });
    drawing_.Reset();
}

void FullScreenWindow::Open() {
    BeginOpening();
    setWindowState(windowState() | Qt::WindowFullScreen);
    exec();
}

void FullScreenWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The picture appears as soon as the window does, also for a keyboard user.
    QTimer::singleShot(0, this, [this] { DrawOnce(); });
}

void FullScreenWindow::hideEvent(QHideEvent* event) {
    // FormClose: hints go back to the main window, however this one closed.
    app_.setHintHandler([this](const QString& hint) { main_.ShowHint(hint); });
    QDialog::hideEvent(event);
}

bool FullScreenWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        app_.showHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void FullScreenWindow::DrawOnce() {
    if (!isVisible()) {
        return;
    }
    try {
        drawing_.DrawOnce(surface(), CurrentScreen(), main_.FState);
    } catch (const std::exception& error) {
        MPB->Changed();
        app_.reportError(error);
        return;
    }
    MPB->Changed();
}

void FullScreenWindow::N5Click() {
    try {
        FullScreenDrawing::Draw(surface(), CurrentScreen(), main_.FState);
    } catch (...) {
        MPB->Changed();
        throw;
    }
    MPB->Changed();
}

void FullScreenWindow::BackMouseMove(int screenX, int screenY) {
    DrawOnce();
    StatusPanel->setText(
        QString::fromStdString(FullScreenPointerText(screenX, screenY, CurrentScreen())));
}

void FullScreenWindow::N4Click() {
    close();
}

void FullScreenWindow::ShowHint2(const QString& hint) {
    StatusPanel->setText(hint);
}

void FullScreenWindow::N2Click() {
    const std::optional<QString> chosen =
        app_.platform().saveFile(this, kPictureDialog, saveDialog1FileName);
    if (chosen) {
        saveDialog1FileName = *chosen;
    }
    N5Click();
    if (!saveDialog1FileName.isEmpty()) {
        SaveAsLargeBmp(saveDialog1FileName);
    }
    saveDialog1FileName.clear();
}

void FullScreenWindow::SaveAsLargeBmp(const QString& fileName) {
    const Picture picture = ComposeFullScreenPicture(surface(), createdSize_);
    SaveFileSafely(fileName.toStdString(),
                   EncodeBmp({picture.width, picture.height, picture.pixels.data()}));
}

}  // namespace parabel::ui
