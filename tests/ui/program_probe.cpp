// The real program's run, looked at from inside once it has shown its window
// and loaded the file named on its command line: the separator its start-up
// read from the locale, the field and every line of the list, the icon and
// desktop name, and which of the parts made or loaded on first use (the
// modal windows, the history list, Qt's print support, image plug-ins)
// start-up made or loaded all the same. Then it exits without asking.
//   program_probe [ARGUMENTS OF THE PROGRAM...]
#include <QApplication>
#include <QColorDialog>
#include <QCompleter>
#include <QFile>
#include <QListWidget>
#include <QTimer>
#include <cstdio>

#include "core/decimal_separator.h"
#include "ui/about_dialog.h"
#include "ui/equation_edit.h"
#include "ui/full_screen_window.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace {

// The parts of `main` and of the process that wait for their first use but
// are there already, or "none".
QString madeBeforeUse(const QWidget& main) {
    QStringList made;
    if (main.findChild<parabel::ui::FullScreenWindow*>() != nullptr) {
        made << QStringLiteral("full screen");
    }
    if (main.findChild<parabel::ui::AboutDialog*>() != nullptr) {
        made << QStringLiteral("About");
    }
    if (main.findChild<QCompleter*>(QStringLiteral("historyList")) != nullptr) {
        made << QStringLiteral("history list");
    }
    if (main.findChild<QColorDialog*>() != nullptr) {
        made << QStringLiteral("colour dialog");
    }
    QFile maps(QStringLiteral("/proc/self/maps"));
    const QByteArray loaded = maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
    if (loaded.contains("libQt6PrintSupport") || loaded.contains("parabel-print")) {
        made << QStringLiteral("print support");
    }
    if (loaded.contains("/imageformats/")) {
        made << QStringLiteral("image plug-ins");
    }
    return made.isEmpty() ? QStringLiteral("none") : made.join(QStringLiteral(", "));
}

void report() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* main = qobject_cast<parabel::ui::MainWindow*>(widget);
        if (main == nullptr) {
            continue;
        }
        const auto* field = main->findChild<parabel::ui::EquationEdit*>();
        const auto* list = main->findChild<QListWidget*>();
        std::printf("separator %c\nfield %s\nlines %d\n", parabel::DecimalSeparator(),
                    qPrintable(field->text()), static_cast<int>(list->count()));
        for (int row = 0; row < list->count(); ++row) {
            std::printf("  %s\n", qPrintable(list->item(row)->text()));
        }
        std::printf("icon %s\ndesktop %s\n", QApplication::windowIcon().isNull() ? "none" : "set",
                    qPrintable(QGuiApplication::desktopFileName()));
        std::printf("before first use %s\n", qPrintable(madeBeforeUse(*main)));
    }
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

// Runs as the application object is made: two turns of the event loop
// later, the window is shown and the file (if any) loaded and solved.
void reportWhenShown() {
    QTimer::singleShot(0, [] { QTimer::singleShot(0, report); });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(reportWhenShown)

int main(int argc, char** argv) {
    return parabel::ui::runProgram(argc, argv);
}
