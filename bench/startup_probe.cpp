// Start-up probe: shows either the program's windows or a bare main window
// and quits as soon as the main window has painted. When started by
// startup_timer it prints the time from its start to that first paint.
//   startup_probe program | bare
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "core/decimal_separator.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"
#include "ui/system_colors.h"

namespace {

class QuitOnPaint final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
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

}  // namespace

int main(int argc, char** argv) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    QApplication application(argc, argv);
    QuitOnPaint quitOnPaint;
    if (bare) {
        QMainWindow window;
        window.installEventFilter(&quitOnPaint);
        window.show();
        return application.exec();
    }
    parabel::ReadDecimalSeparatorFromLocale();
    parabel::ui::applyPaletteToSystemColors(application.palette());
    parabel::ui::QtPlatform platform;
    parabel::ui::AppContext context(platform);
    parabel::ui::MainWindow window(context);
    window.installEventFilter(&quitOnPaint);
    window.show();
    return application.exec();
}
