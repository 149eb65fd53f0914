// Start-up probe: runs either the program itself or a bare main window and
// quits as soon as a top-level window has painted. When started by
// startup_timer it prints the time from its start to that first paint.
//   startup_probe program | bare
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "ui/program.h"

namespace {

class QuitOnPaint final : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            painted_ = true;
            ReportStartToPaint();
            // exit(), not quit(): the program's windows would ask before closing.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    // startup_timer passes the moment it started this process.
    static void ReportStartToPaint() {
        const char* start = std::getenv("PARABEL_PROBE_START_NS");
        if (start == nullptr) {
            return;
        }
        timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long nanoseconds = now.tv_sec * 1000000000LL + now.tv_nsec;
        std::printf("%lld\n", nanoseconds - std::atoll(start));
        std::fflush(stdout);
    }
    bool painted_ = false;
};

// As the application object is made, whichever code makes it.
void watchForTheFirstPaint() {
    qApp->installEventFilter(new QuitOnPaint(qApp));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheFirstPaint)

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        QApplication application(argc, argv);
        QMainWindow window;
        window.show();
        return application.exec();
    }
    // The program exactly as it starts, without this probe's own argument.
    return parabel::ui::runProgram(1, argv);
}
