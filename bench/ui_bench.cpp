// Window timings: Enter to the plot painted, the full-screen window from
// opening to its picture, and the pointer read-outs.
//   QT_QPA_PLATFORM=offscreen build/bench/ui_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "ui/app_context.h"
#include "ui/full_screen_window.h"
#include "ui/main_window.h"

namespace {

using namespace parabel::ui;

// Answers nothing: the measured commands open no dialog.
class SilentPlatform final : public Platform {
  protected:
    void runErrorBox(const QString&, const QString&) override {}
    bool runQuestionBox(const QString&, const QString&) override { return true; }
    std::optional<QString> runFileDialog(QWidget*, const FileDialogOptions&, const QString&,
                                         bool) override {
        return std::nullopt;
    }
    std::optional<QColor> runColorDialog(QWidget*, const QColor&) override { return std::nullopt; }
    bool runPrintDialog(QWidget*, const QPageSize&, int, const PagePainting&) override {
        return false;
    }
    void handToDesktop(const QString&) override {}
};

// The window's part of that type and object name.
template <typename T>
T* Part(const QObject* window, const char* name) {
    T* part = window->findChild<T*>(QString::fromLatin1(name));
    if (part == nullptr) {
        qFatal("no part %s", name);
    }
    return part;
}

struct Windows {
    explicit Windows(QSize screen) : context(platform, QStringLiteral("Parabel")) {
        context.setSettingsPath("/nonexistent/Inf.ini");
        context.setStateFolder("");  // no history kept
        context.setScreenSizeSource([screen] { return screen; });
        main = std::make_unique<MainWindow>(context);
        fullScreen = main->findChild<FullScreenWindow*>();
        field = Part<QLineEdit>(main.get(), "equationEdit");
        main->show();
        QApplication::setActiveWindow(main.get());
        (void)QTest::qWaitForWindowActive(main.get());
    }
    ~Windows() {
        main->hide();
        main.reset();
    }
    SilentPlatform platform;
    AppContext context;
    std::unique_ptr<MainWindow> main;
    FullScreenWindow* fullScreen = nullptr;  // owned by the main window
    QLineEdit* field = nullptr;
};

void BM_EnterToPlotPainted(benchmark::State& state) {
    Windows windows(QSize(1024, 768));
    QWidget* plot = Part<QWidget>(windows.main.get(), "plotView");
    QWidget* list = Part<QWidget>(windows.main.get(), "solutionList");
    for (auto _ : state) {
        windows.field->setText(QStringLiteral("x^2-5x+6"));
        QTest::keyClick(windows.field, Qt::Key_Return);
        plot->repaint();
        list->repaint();
    }
}
BENCHMARK(BM_EnterToPlotPainted)->Unit(benchmark::kMicrosecond);

void BM_FullScreenOpenToPicture(benchmark::State& state) {
    Windows windows(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    windows.field->setText(QStringLiteral("x^2-5x+6"));
    windows.main->solve();
    auto& full = *windows.fullScreen;
    QWidget* picture = Part<QWidget>(&full, "plotView");
    for (auto _ : state) {
        full.beginOpening();
        full.show();
        while (!full.drawnSinceOpened()) {
            QCoreApplication::processEvents();
        }
        picture->repaint();
        state.PauseTiming();
        full.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FullScreenOpenToPicture)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);

void BM_MainReadout(benchmark::State& state) {
    Windows windows(QSize(1024, 768));
    QWidget* status = Part<QWidget>(windows.main.get(), "statusLabel");
    int x = 0;
    for (auto _ : state) {
        windows.main->showPointer(x++ % 322, 100);
        status->repaint();
    }
}
BENCHMARK(BM_MainReadout)->Unit(benchmark::kMicrosecond);

void BM_FullScreenReadout(benchmark::State& state) {
    Windows windows(QSize(1920, 1080));
    auto& full = *windows.fullScreen;
    full.show();
    while (!full.drawnSinceOpened()) {
        QCoreApplication::processEvents();
    }
    QWidget* status = Part<QWidget>(&full, "statusLabel");
    int x = 0;
    for (auto _ : state) {
        full.showPointer(x++ % 1920, 500);
        status->repaint();
    }
    full.hide();
}
BENCHMARK(BM_FullScreenReadout)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
