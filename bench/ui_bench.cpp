// Window timings: Enter to the plot painted, the full-screen window from
// opening to its picture, and the pointer read-outs.
//   QT_QPA_PLATFORM=offscreen build/bench/ui_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "ui/about_dialog.h"
#include "ui/application.h"
#include "ui/full_screen_window.h"
#include "ui/main_window.h"

namespace {

using namespace parabel::ui;

// Answers nothing: the measured commands open no dialog.
class SilentPlatform final : public Platform {
  public:
    void showError(const QString&, const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return true; }
    std::optional<QString> openFile(QWidget*, const FileDialogOptions&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> saveFile(QWidget*, const FileDialogOptions&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    void openUrl(const QString&) override {}
};

struct Windows {
    explicit Windows(QSize screen) : context(platform, QStringLiteral("Parabel")) {
        context.setSettingsPath("/nonexistent/Inf.ini");
        context.setScreenSizeSource([screen] { return screen; });
        main = std::make_unique<MainWindow>(context);
        fullScreen = std::make_unique<FullScreenWindow>(context, *main);
        about = std::make_unique<AboutDialog>(context, *main);
        main->SetWindows(fullScreen.get(), about.get());
        main->show();
        QApplication::setActiveWindow(main.get());
        (void)QTest::qWaitForWindowActive(main.get());
    }
    ~Windows() {
        about.reset();
        fullScreen.reset();
        main->hide();
        main.reset();
    }
    SilentPlatform platform;
    AppContext context;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<FullScreenWindow> fullScreen;
    std::unique_ptr<AboutDialog> about;
};

void BM_EnterToPlotPainted(benchmark::State& state) {
    Windows windows(QSize(1024, 768));
    for (auto _ : state) {
        windows.main->Primer->setText(QStringLiteral("x^2-5x+6"));
        QTest::keyClick(windows.main->Primer, Qt::Key_Return);
        windows.main->PB->repaint();
        windows.main->Ex->repaint();
    }
}
BENCHMARK(BM_EnterToPlotPainted)->Unit(benchmark::kMicrosecond);

void BM_FullScreenOpenToPicture(benchmark::State& state) {
    Windows windows(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    windows.main->Primer->setText(QStringLiteral("x^2-5x+6"));
    windows.main->N12Click();
    auto& full = *windows.fullScreen;
    for (auto _ : state) {
        full.BeginOpening();
        full.show();
        while (!full.drawnSinceOpened()) {
            QCoreApplication::processEvents();
        }
        full.MPB->repaint();
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
    int x = 0;
    for (auto _ : state) {
        windows.main->PaintBox1MouseMove(x++ % 322, 100);
        windows.main->StatusPanel->repaint();
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
    int x = 0;
    for (auto _ : state) {
        full.BackMouseMove(x++ % 1920, 500);
        full.StatusPanel->repaint();
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
