// The program's run: the command line, the application, the main window
// (whose creation reads the settings, then makes the full-screen and About
// windows), an equation file named on the command line, then the event loop.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTimer>
#include <QTranslator>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/language_store.h"
#include "app/picture_file.h"
#include "app/program_arguments.h"
#include "app/version.h"
#include "core/arithmetic_environment.h"
#include "core/catalog.h"
#include "core/decimal_separator.h"
#include "io/settings_location.h"
#include "layout_keys.h"
#include "main_window.h"
#include "native_pointer.h"
#include "program.h"
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

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The display the toolkit will try, in words: "display :0", "Wayland
// display wayland-0", "platform vnc".
std::string displayInWords() {
    const std::string platform = environment("QT_QPA_PLATFORM");
    if (!platform.empty() && platform.rfind("xcb", 0) != 0 && platform.rfind("wayland", 0) != 0) {
        return "platform " + platform;
    }
    if (platform.rfind("wayland", 0) == 0 ||
        (platform.empty() && !environment("WAYLAND_DISPLAY").empty() &&
         environment("DISPLAY").empty())) {
        const std::string name = environment("WAYLAND_DISPLAY");
        return name.empty() ? "default Wayland display" : "Wayland display " + name;
    }
    const std::string name = environment("DISPLAY");
    return name.empty() ? "default display" : "display " + name;
}

bool hasDisplay() {
    return !environment("QT_QPA_PLATFORM").empty() || !environment("DISPLAY").empty() ||
           !environment("WAYLAND_DISPLAY").empty();
}

// The platform plugin the toolkit was asked for but did not find, if any:
// then the display was never tried, and the plugin is what to name.
QString& missingPlatformPlugin() {
    static QString name;
    return name;
}

// Why the window cannot show, in words.
std::string startUpFailure() {
    const QString& plugin = missingPlatformPlugin();
    if (plugin.isEmpty()) {
        return "cannot open the " + displayInWords();
    }
    std::string failure =
        "the Qt platform plugin \"" + plugin.toStdString() + "\" is not installed";
    if (plugin.startsWith(QStringLiteral("wayland"))) {
        failure += " (Debian package qt6-wayland)";
    }
    return failure;
}

// While the toolkit opens the display it may say a lot, depending on which
// of its plugins are installed; a display that cannot be opened ends the
// program with one line naming it, or naming the missing plugin, instead.
void startUpMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    const QString notFound = QStringLiteral("Could not find the Qt platform plugin \"");
    const qsizetype start = text.indexOf(notFound);
    const qsizetype end = start < 0 ? -1 : text.indexOf(u'"', start + notFound.size());
    if (end > 0) {
        missingPlatformPlugin() = text.mid(start + notFound.size(), end - start - notFound.size());
    }
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "parabel: cannot show the window: %s\n", startUpFailure().c_str());
        std::_Exit(1);
    }
}

// Once the window can show, the toolkit's platform chatter stays quiet.
void runningMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const QByteArray category(context.category != nullptr ? context.category : "");
    if (category.startsWith("qt.qpa") || category.startsWith("qt.glx") ||
        text.startsWith(QStringLiteral("QStandardPaths:"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(text));
    if (type == QtFatalMsg) {
        std::abort();
    }
}

// --help, --version and a bad command line are answered without a display;
// otherwise what to start with: the equation file to load or the equation to
// solve, or neither.
std::optional<parabel::ProgramArguments> readCommandLine(int argc, char** argv, int& exitStatus) {
    const parabel::ProgramArguments arguments =
        parabel::ParseProgramArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (arguments.action) {
        case parabel::ProgramArguments::Action::kHelp:
            std::fputs(parabel::ProgramUsage().c_str(), stdout);
            exitStatus = 0;
            return std::nullopt;
        case parabel::ProgramArguments::Action::kVersion:
            std::printf("parabel %s\n", parabel::kVersion);
            exitStatus = 0;
            return std::nullopt;
        case parabel::ProgramArguments::Action::kError:
            std::fprintf(stderr, "parabel: %s\nTry 'parabel --help' for more information.\n",
                         arguments.error.c_str());
            exitStatus = 2;
            return std::nullopt;
        case parabel::ProgramArguments::Action::kRun:
            break;
    }
    return arguments;
}

void installToolkitTranslations(QApplication& application, QTranslator& translator) {
    // The toolkit's own dialogs speak the user's language where Qt's
    // translations are installed; the program's own texts come from its
    // catalog.
    if (translator.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        application.installTranslator(&translator);
    }
}

}  // namespace

// The icons are compiled into this library; a static library's resources
// are registered by name, outside any namespace.
static void registerIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace {

// A PNG picture of the program's resources, decoded by libpng: the
// toolkit's image reader would first load every image format plug-in
// installed to ask each whether the file is theirs. Empty when unreadable.
QPixmap resourcePng(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    const std::optional<parabel::DecodedPng> picture =
        parabel::ReadPngPicture(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                          static_cast<std::size_t>(bytes.size())));
    if (!picture) {
        return {};
    }
    const QImage image(reinterpret_cast<const uchar*>(picture->pixels.data()), picture->width,
                       picture->height, QImage::Format_ARGB32);
    return QPixmap::fromImage(image);
}

QIcon programIcon() {
    registerIcons();
    QIcon icon;
    // The sizes window managers show; the desktop takes larger ones from the
    // installed icon theme. Each costs a decode at start-up.
    for (int size : {16, 32, 48}) {
        icon.addPixmap(resourcePng(QStringLiteral(":/icons/org.parabel.Parabel-%1.png").arg(size)));
    }
    return icon;
}

}  // namespace

namespace parabel::ui {

int runProgram(int argc, char** argv) {
    int exitStatus = 0;
    const std::optional<ProgramArguments> arguments = readCommandLine(argc, argv, exitStatus);
    if (!arguments) {
        return exitStatus;
    }
    // A write beyond the file size limit fails with an error instead of
    // ending the process, so a save can report it.
    std::signal(SIGXFSZ, SIG_IGN);
    if (!hasDisplay()) {
        std::fprintf(stderr, "parabel: cannot show the window: no display (DISPLAY is not set)\n");
        return 1;
    }
    qInstallMessageHandler(startUpMessages);
    QApplication application(argc, argv);
    qInstallMessageHandler(runningMessages);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(parabel::kApplicationId));
    QApplication::setWindowIcon(programIcon());
    QTranslator toolkitTexts;
    installToolkitTranslations(application, toolkitTexts);
    parabel::ReadDecimalSeparatorFromLocale();
    applyPaletteToSystemColors(application.palette());
    NoToolTips noToolTips;
    application.installEventFilter(&noToolTips);

    // On X11 the plots read the pointer's device pixel as the system gives it.
    NativePointer::instance().install();
    // The toolkit has loaded its plug-ins by now; none of them decides the
    // arithmetic.
    parabel::UseProgramArithmetic();
    QtPlatform platform;
    AppContext context(platform);
    // The program's style before the window is built, so that its widgets
    // are polished once, with it.
    installLayoutIndependentKeys();
    SetLanguage(StartLanguage(context.languageFile(), arguments->language,
                              [](const char* name) -> const char* { return std::getenv(name); }));
    MainWindow window(context);
    window.show();
    // Loaded or solved once the event loop runs: the lambdas outlive this
    // block, so they keep their own copies of the name and the equation; the
    // context and the window live until exec() returns, and the timer goes
    // with the window.
    if (!arguments->file.empty()) {
        QTimer::singleShot(0, &window, [&context, &window, file = arguments->file] {
            context.guard([&window, &file] { window.loadEquationFile(file); });
        });
    } else if (arguments->equation) {
        QTimer::singleShot(
            0, &window,
            [&context, &window, equation = QString::fromStdString(*arguments->equation)] {
                context.guard([&window, &equation] { window.solveEquation(equation); });
            });
    }
    return application.exec();
}

}  // namespace parabel::ui
