// Start-up: the application, the main window (whose creation reads the
// settings, then makes the full-screen and About windows), then the event
// loop.
#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "core/decimal_separator.h"
#include "main_window.h"
#include "qt_platform.h"
#include "system_colors.h"

namespace {

// Hints appear only in the status bars, never as pop-ups.
class NoToolTips final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::ToolTip || QObject::eventFilter(watched, event);
    }
};

bool hasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (platform != nullptr && *platform != '\0') || (x11 != nullptr && *x11 != '\0') ||
           (wayland != nullptr && *wayland != '\0');
}

// A display that cannot be opened ends the program with one clear line
// instead of the toolkit's messages and an abort.
void quietPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const QByteArray category(context.category != nullptr ? context.category : "");
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "parabel: cannot show the window: no usable display (%s)\n",
                     qPrintable(text.section('\n', 0, 0)));
        std::_Exit(1);
    }
    if (category.startsWith("qt.qpa") || category.startsWith("qt.glx") ||
        text.startsWith(QStringLiteral("QStandardPaths:"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

int main(int argc, char** argv) {
    // A write beyond the file size limit fails with an error instead of
    // ending the process, so a save can report it.
    std::signal(SIGXFSZ, SIG_IGN);
    if (!hasDisplay()) {
        std::fprintf(stderr, "parabel: cannot show the window: no display (DISPLAY is not set)\n");
        return 1;
    }
    qInstallMessageHandler(quietPlatformMessages);
    QApplication application(argc, argv);
    // The toolkit's own dialogs speak the user's language where Qt's
    // translations are installed; the program's texts are Russian anyway.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        application.installTranslator(&toolkitTexts);
    }
    parabel::ReadDecimalSeparatorFromLocale();
    parabel::ui::applyPaletteToSystemColors(application.palette());
    NoToolTips noToolTips;
    application.installEventFilter(&noToolTips);

    parabel::ui::QtPlatform platform;
    parabel::ui::AppContext context(platform);
    parabel::ui::MainWindow window(context);
    window.show();
    return application.exec();
}
