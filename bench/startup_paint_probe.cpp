// Preloaded into the program and into the floor by startup_timer
// (LD_PRELOAD), so both run exactly as they are built: as the application
// object is made it starts watching, and at the first paint of a top-level
// window it prints the time since startup_timer started the process
// (PARABEL_PROBE_START_NS) and ends the event loop.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long nowNs() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

class QuitOnFirstPaint final : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            painted_ = true;
            if (const char* start = std::getenv("PARABEL_PROBE_START_NS")) {
                std::printf("%lld\n", nowNs() - std::atoll(start));
                std::fflush(stdout);
            }
            // exit(), not quit(): the program's window would ask before closing.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool painted_ = false;
};

void watchForTheFirstPaint() {
    qApp->installEventFilter(new QuitOnFirstPaint(qApp));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheFirstPaint)
