// The program's windows over a scripted platform, with the settings file in a
// folder of the test's own and a fixed screen size; and the window parts the
// tests look at, found by their object names.
#pragma once

#include <QAction>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>
#include <optional>

#include "app/language_store.h"
#include "core/catalog.h"
#include "core/decimal_separator.h"
#include "scripted_platform.h"
#include "ui/about_dialog.h"
#include "ui/app_context.h"
#include "ui/equation_edit.h"
#include "ui/full_screen_window.h"
#include "ui/main_window.h"
#include "window_probe.h"

namespace parabel::testing {

// The child of `parent` with that type and object name; a missing one ends
// the test run, naming it.
template <typename T>
T* Child(const QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
        qFatal("no child %s", name);
    }
    return child;
}

// Menu, toolbar and key commands run once their action has returned, as
// queued calls: this runs the calls waiting, as the event loop would next.
inline void RunQueuedCommands() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

// Runs `action` once `window` shows and has the keyboard: it is the active
// window, and the focus is on it or on one of its controls. A
// modal window runs it from its own event loop. The state is polled by a
// timer, so it runs after any queued command that opens the window and after
// the windowing system has made it active, however busy the machine; a window
// that never gets there fails the test and is closed.
inline void WhenActive(QWidget* window, std::function<void()> action,
                       QDeadlineTimer deadline = QDeadlineTimer(30000)) {
    QTimer::singleShot(1, window, [window, action = std::move(action), deadline]() mutable {
        const QWidget* focus = QApplication::focusWidget();
        const bool active = window->isVisible() && QApplication::activeWindow() == window &&
                            focus != nullptr && (focus == window || window->isAncestorOf(focus));
        if (active) {
            action();
        } else if (deadline.hasExpired()) {
            window->close();
            QFAIL(qPrintable(QString::fromLatin1(window->metaObject()->className()) +
                             QStringLiteral(" never became active")));
        } else {
            WhenActive(window, std::move(action), deadline);
        }
    });
}

// How a run chooses its interface language, as the program's start does: the
// one named for the run, else the one remembered in the configuration folder
// (the Program's own "config/" unless given), else the environment's (none
// unless given), else Russian.
struct LanguageStart {
    std::optional<std::string> forThisRun;
    QString configFolder;
    EnvironmentReader environment = nullptr;
};

struct Program {
    // The window over a settings file of `settings` when `writeSettings` is
    // set, and a history file of `history` when it is given, as a previous
    // run left them.
    explicit Program(const QByteArray& settings = QByteArray(), bool writeSettings = false,
                     const std::optional<QByteArray>& history = std::nullopt,
                     const LanguageStart& language = {}) {
        SetDecimalSeparator('.');
        context = std::make_unique<ui::AppContext>(platform, QStringLiteral("Parabel"));
        context->setSettingsPath(folder.filePath(QStringLiteral("Inf.ini")).toStdString());
        context->setStateFolder(folder.filePath(QStringLiteral("state/")).toStdString());
        context->setConfigFolder((language.configFolder.isEmpty()
                                      ? folder.filePath(QStringLiteral("config/"))
                                      : language.configFolder)
                                     .toStdString());
        SetLanguage(
            StartLanguage(context->languageFile(), language.forThisRun, language.environment));
        if (history) {
            QDir().mkpath(folder.filePath(QStringLiteral("state")));
            QFile file(HistoryPath());
            file.open(QIODevice::WriteOnly);
            file.write(*history);
        }
        context->setScreenSizeSource([] { return QSize(1024, 768); });
        if (writeSettings) {
            QFile file(QString::fromStdString(context->settingsPath()));
            file.open(QIODevice::WriteOnly);
            file.write(settings);
        }
        main = std::make_unique<ui::MainWindow>(*context);
    }
    ~Program() {
        main.reset();
        SetDecimalSeparator('.');
        SetLanguage(Language::kRu);
    }

    // Shows the main window and makes it the active one, so its shortcuts work.
    void Show() {
        main->show();
        QApplication::setActiveWindow(main.get());
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }

    QString Path(const QString& name) const { return folder.filePath(name); }
    QString HistoryPath() const { return folder.filePath(QStringLiteral("state/history")); }

    // The main window's parts.
    ui::EquationEdit* Field() const { return Child<ui::EquationEdit>(main.get(), "equationEdit"); }
    QListWidget* List() const { return Child<QListWidget>(main.get(), "solutionList"); }
    QLabel* Status() const { return Child<QLabel>(main.get(), "statusLabel"); }
    QAction* Action(const char* name) const { return Child<QAction>(main.get(), name); }
    QToolButton* ToolButton(const char* name) const { return Child<QToolButton>(main.get(), name); }
    QTimer* RedrawTimer() const { return Child<QTimer>(main.get(), "redrawTimer"); }
    // The full-screen window's.
    QLabel* FullScreenStatus() { return Child<QLabel>(FullScreen(), "statusLabel"); }
    QWidget* FullScreenPlotArea() { return Child<QWidget>(FullScreen(), "plotArea"); }

    // Types the equation into the field and solves it through the menu command.
    void Solve(const QString& equation) const {
        Field()->setEquation(equation);
        Action("solveAction")->trigger();
        RunQueuedCommands();
    }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    std::unique_ptr<ui::AppContext> context;
    std::unique_ptr<ui::MainWindow> main;
    // The About dialog, owned by the main window, which makes it when it is
    // first needed.
    ui::AboutDialog* About() { return &WindowProbe::About(*main); }
    // The full-screen window, likewise.
    ui::FullScreenWindow* FullScreen() { return &WindowProbe::FullScreen(*main); }
};

}  // namespace parabel::testing
