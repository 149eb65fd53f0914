// The program's command line and its start without a usable display: what a
// user or a desktop launcher sees on the terminal.
#include <QTest>

#include "support/run_program.h"

namespace {

using parabel::testing::RunProgram;

// The environment of a run that must not reach any display, whichever Qt
// platform plugins the machine has.
const std::vector<std::string> kNoDisplay = {
    "DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=", "XDG_SESSION_TYPE="};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void helpAndVersionNeedNoDisplay() {
        const auto help = RunProgram(PARABEL_PROGRAM, {"--help"}, "", kNoDisplay);
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.rfind("Usage: parabel [OPTION] [FILE]\n", 0) == 0, help.out.c_str());
        QVERIFY(help.err.empty());
        const auto version = RunProgram(PARABEL_PROGRAM, {"--version"}, "", kNoDisplay);
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, std::string("parabel 1.0\n"));
    }

    void aBadCommandLineGetsAClearMessageAndStatus2() {
        const auto unknown = RunProgram(PARABEL_PROGRAM, {"--frobnicate"}, "", kNoDisplay);
        QCOMPARE(unknown.status, 2);
        QCOMPARE(unknown.err, std::string("parabel: unknown option '--frobnicate'\n"
                                          "Try 'parabel --help' for more information.\n"));
        const auto twoFiles = RunProgram(PARABEL_PROGRAM, {"a.txt", "b.txt"}, "", kNoDisplay);
        QCOMPARE(twoFiles.status, 2);
    }

    void withoutADisplayItSaysSoInOneLine() {
        struct Row {
            const char* name;
            std::vector<std::string> environment;
            std::string line;
        };
        std::vector<std::string> unanswered = kNoDisplay;
        unanswered.push_back("DISPLAY=:9876");
        unanswered.push_back("QT_QPA_PLATFORM=xcb");  // as on an X11 desktop
        std::vector<std::string> noPlugin = kNoDisplay;
        noPlugin.push_back("WAYLAND_DISPLAY=wl-test");
        noPlugin.push_back("QT_QPA_PLATFORM=nosuchplugin");
        const Row rows[] = {
            {"no display at all", kNoDisplay,
             "parabel: cannot show the window: no display (DISPLAY is not set)\n"},
            {"a display that does not answer", unanswered,
             "parabel: cannot show the window: cannot open the display :9876\n"},
            {"a platform plugin that is not installed", noPlugin,
             "parabel: cannot show the window: the Qt platform plugin \"nosuchplugin\" is not "
             "installed\n"},
        };
        for (const Row& row : rows) {
            const auto result = RunProgram(PARABEL_PROGRAM, {}, "", row.environment);
            QVERIFY2(result.status == 1, row.name);
            QCOMPARE(result.err, row.line);
        }
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
