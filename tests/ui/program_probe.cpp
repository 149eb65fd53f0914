// The real program's run, looked at from inside once it has shown its window
// and loaded the file named on its command line: the separator its start-up
// read from the locale, the field and every line of the list, the icon and
// desktop name. Then it exits without asking.
//   program_probe [ARGUMENTS OF THE PROGRAM...]
#include <QApplication>
#include <QListWidget>
#include <QTimer>
#include <cstdio>

#include "core/decimal_separator.h"
#include "ui/equation_edit.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace {

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
