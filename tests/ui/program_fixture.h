// The three windows of the program over a scripted platform, with the
// settings file in a folder of the test's own and a fixed screen size.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/decimal_separator.h"
#include "scripted_platform.h"
#include "ui/about_dialog.h"
#include "ui/application.h"
#include "ui/full_screen_window.h"
#include "ui/main_window.h"

namespace parabel::testing {

struct Program {
    explicit Program(const QByteArray& settings = QByteArray(), bool writeSettings = false) {
        SetDecimalSeparator('.');
        context = std::make_unique<ui::AppContext>(platform, QStringLiteral("Parabel"));
        context->setSettingsPath(folder.filePath(QStringLiteral("Inf.ini")).toStdString());
        context->setScreenSizeSource([] { return QSize(1024, 768); });
        if (writeSettings) {
            QFile file(QString::fromStdString(context->settingsPath()));
            file.open(QIODevice::WriteOnly);
            file.write(settings);
        }
        main = std::make_unique<ui::MainWindow>(*context);
        fullScreen = std::make_unique<ui::FullScreenWindow>(*context, *main);
        about = std::make_unique<ui::AboutDialog>(*context, *main);
        main->SetWindows(fullScreen.get(), about.get());
    }
    ~Program() {
        about.reset();
        fullScreen.reset();
        main.reset();
        SetDecimalSeparator('.');
    }

    // Shows the main window and makes it the active one, so its shortcuts work.
    void Show() {
        main->show();
        QApplication::setActiveWindow(main.get());
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }

    QString Path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    std::unique_ptr<ui::AppContext> context;
    std::unique_ptr<ui::MainWindow> main;
    std::unique_ptr<ui::FullScreenWindow> fullScreen;
    std::unique_ptr<ui::AboutDialog> about;
};

}  // namespace parabel::testing
