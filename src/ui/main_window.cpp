// The main window's layout and wiring. Its commands are in main_window_commands.cpp,
// its plot in main_window_plot.cpp, its file and colour commands in main_window_files.cpp.
#include "main_window.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>

#include "images.h"
#include "plot/main_plot.h"
#include "window_font.h"

namespace parabel::ui {

namespace {

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 391;

struct ToolButtonLayout {
    int number;  // ToolButtonN
    int left;
    int image;  // -1: separator
    const char* hint;
    void (MainWindow::*handler)();
};

const ToolButtonLayout kToolButtons[] = {
    {1, 0, 4, "Очистить (Ctrl+A)", &MainWindow::N2Click},
    {2, 23, 2, "Загрузить (Ctrl+L)", &MainWindow::N4Click},
    {3, 46, 5, "Сохранить решение (Ctrl+S)", &MainWindow::N10Click},
    {4, 69, 0, "Сохранить график (Ctrl+G)", &MainWindow::N11Click},
    {5, 92, -1, "", nullptr},
    {6, 100, 6, "Решать !!!", &MainWindow::N12Click},
    {7, 123, 7, "Обновить (F5)", &MainWindow::N13Click},
    {10, 146, 9, "Вход в полноэкранный режим построения графика (Ctrl+P)", &MainWindow::N15Click},
    {8, 169, -1, "", nullptr},
    {11, 177, 10, "Краткое руководство по пользованию программы (F1)", &MainWindow::N9Click},
    {12, 200, -1, "", nullptr},
    {9, 208, 8, "Выход из программы (Ctrl+E)", &MainWindow::N5Click},
};

}  // namespace

MainWindow::MainWindow(AppContext& app)
    : app_(app), pbSurface_(kPanelWidth, kPanelHeight, kWhitePixel) {
    setWindowTitle(QStringLiteral("Parabel v1.0"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(windowFont());
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    CreateMenu();
    CreateToolBar(client);
    CreateControls(client);
    CreateStatusBar(client);
    Timer1 = new QTimer(this);
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, [this] { app_.guard([this] { Timer1Timer(); }); });
    setFixedSize(sizeHint());
    FormCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::SetWindows(FullScreenWindow* fullScreen, AboutDialog* about) {
    fullScreen_ = fullScreen;
    about_ = about;
}

QAction* MainWindow::AddCommand(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                                const QString& hint, void (MainWindow::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this,
            [this, handler] { app_.guard([&] { (this->*handler)(); }); });
    return action;
}

void MainWindow::CreateMenu() {
    N1 = menuBar()->addMenu(QStringLiteral("Файл"));
    N12 = AddCommand(N1, QStringLiteral("Решать"), QKeySequence(Qt::Key_Return),
                     QStringLiteral("Решать !!! (Enter)"), &MainWindow::N12Click);
    N12->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    N13 = AddCommand(N1, QStringLiteral("Обновить"), QKeySequence(Qt::Key_F5),
                     QStringLiteral("Обновить (F5)"), &MainWindow::N13Click);
    N1->addSeparator();  // N14
    N15 = AddCommand(N1, QStringLiteral("Полноэкранный режим"), QKeySequence(Qt::CTRL | Qt::Key_P),
                     QStringLiteral("Вход в полноэкранный режим построения графика (Ctrl+P)"),
                     &MainWindow::N15Click);
    N1->addSeparator();  // N16
    N2 = AddCommand(N1, QStringLiteral("Очистить"), QKeySequence(Qt::CTRL | Qt::Key_A),
                    QStringLiteral("Очистить (Ctrl+A)"), &MainWindow::N2Click);
    N1->addSeparator();  // N7
    N3 = N1->addMenu(QStringLiteral("Сохранить..."));
    N10 = AddCommand(N3, QStringLiteral("Решение"), QKeySequence(Qt::CTRL | Qt::Key_S),
                     QStringLiteral("Сохранить решение (Ctrl+S)"), &MainWindow::N10Click);
    N11 = AddCommand(N3, QStringLiteral("График"), QKeySequence(Qt::CTRL | Qt::Key_G),
                     QStringLiteral("Сохранить график (Ctrl+G)"), &MainWindow::N11Click);
    N4 = AddCommand(N1, QStringLiteral("Загрузить"), QKeySequence(Qt::CTRL | Qt::Key_L),
                    QStringLiteral("Загрузить (Ctrl+L)"), &MainWindow::N4Click);
    N1->addSeparator();  // N6
    N5 = AddCommand(N1, QStringLiteral("Выход"), QKeySequence(Qt::CTRL | Qt::Key_E),
                    QStringLiteral("Выход из программы (Ctrl+E)"), &MainWindow::N5Click);
    N17 = menuBar()->addMenu(QStringLiteral("Настройки"));
    N18 = AddCommand(N17, QStringLiteral("Цвет функции..."), QKeySequence(Qt::CTRL | Qt::Key_W),
                     QStringLiteral("Настроить цвет прорисовки функции (Ctrl+W)"),
                     &MainWindow::N18Click);
    N8 = menuBar()->addMenu(QStringLiteral("Справка"));
    N9 = AddCommand(N8, QStringLiteral("О Прогрмме"), QKeySequence(Qt::Key_F1),
                    QStringLiteral("Краткое руководство по пользованию программы"),
                    &MainWindow::N9Click);
}

void MainWindow::CreateToolBar(QWidget* client) {
    CoolBar1 = new QFrame(client);
    CoolBar1->setObjectName(QStringLiteral("CoolBar1"));
    CoolBar1->setGeometry(0, 0, kClientWidth, 28);
    ToolBar1 = new QWidget(CoolBar1);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(11, 2, 615, 24);
    ToolButtons.assign(12, nullptr);
    for (const ToolButtonLayout& entry : kToolButtons) {
        if (entry.image < 0) {
            auto* separator = new QFrame(ToolBar1);
            separator->setFrameShape(QFrame::VLine);
            separator->setFrameShadow(QFrame::Sunken);
            separator->setGeometry(entry.left, 2, 8, 20);
            continue;
        }
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(QStringLiteral("ToolButton%1").arg(entry.number));
        button->setGeometry(entry.left, 0, 23, 22);
        button->setIcon(toolbarImage(entry.image));
        button->setIconSize(QSize(16, 16));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setStatusTip(QString::fromUtf8(entry.hint));
        const auto handler = entry.handler;
        connect(button, &QToolButton::clicked, this,
                [this, handler] { app_.guard([&] { (this->*handler)(); }); });
        ToolButtons[entry.number - 1] = button;
    }
}

void MainWindow::CreateControls(QWidget* client) {
    Primer = new EquationEdit(client);
    Primer->setObjectName(QStringLiteral("Primer"));
    Primer->setGeometry(8, 32, 289, 26);
    Primer->setFont(windowFont(16, true));
    Primer->setStatusTip(QStringLiteral("Введите в это поле уравнение вида Ax^2+Bx+C=0"));
    Primer->onKeyDown = [this](int key, Qt::KeyboardModifiers shift) {
        app_.guard([&] { PrimerKeyDown(key, shift); });
    };
    for (QAction* action : {N12, N13, N15, N2, N10, N11, N4, N5, N18, N9}) {
        Primer->windowShortcuts += action->shortcuts();
    }

    Ex = new QListWidget(client);
    Ex->setObjectName(QStringLiteral("Ex"));
    Ex->setGeometry(8, 64, 289, 306);
    Ex->setFont(windowFont(16, true));
    Ex->setViewMode(QListView::ListMode);
    Ex->setIconSize(QSize(16, 16));
    Ex->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Ex->setFrameShape(QFrame::Box);
    Ex->setLineWidth(1);
    Ex->setStatusTip(QStringLiteral("Решение"));

    Button1 = new QPushButton(QStringLiteral("Решать !!!"), client);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(-1000, 376, 97, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this,
            [this] { app_.guard([this] { Button1Click(); }); });

    Shape1 = new PlotFrame(client);
    Shape1->setGeometry(304, 32, 322, 338);
    PB = new SurfaceView(&pbSurface_, client);
    PB->setObjectName(QStringLiteral("PB"));
    PB->setGeometry(312, 40, 300, 320);
    PaintBox1 = new PointerArea(client);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(304, 32, 322, 338);
    PaintBox1->onMouseMove = [this](int x, int y) {
        app_.guard([&] { PaintBox1MouseMove(x, y); });
    };

    setTabOrder(Primer, Ex);
    setTabOrder(Ex, Button1);
    Primer->setFocus();
}

void MainWindow::CreateStatusBar(QWidget* client) {
    StatusBar1 = new QStatusBar(client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, 372, kClientWidth, 19);
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel = new QLabel(StatusBar1);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusBar1->addWidget(StatusPanel, 1);
}

void MainWindow::ShowSolveOutcomeLines(const std::vector<std::string>& lines) {
    Ex->clear();
    const QIcon dot = dotImage();
    for (const std::string& line : lines) {
        Ex->addItem(new QListWidgetItem(dot, QString::fromStdString(line)));
    }
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
