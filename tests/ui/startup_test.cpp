// The program without a display: one clear line, no toolkit backtrace.
#include <QTest>

#include "support/run_program.h"

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void withoutADisplayItSaysSoInOneLine() {
        struct Row {
            const char* name;
            std::vector<std::string> environment;
        };
        const Row rows[] = {
            {"no display at all", {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="}},
            {"a display that does not answer",
             {"DISPLAY=:9876", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="}},
        };
        for (const Row& row : rows) {
            const auto result =
                parabel::testing::RunProgram(PARABEL_PROGRAM, {}, "", row.environment);
            QVERIFY2(result.status == 1, row.name);
            QVERIFY2(result.err.find("parabel: cannot show the window") == 0, result.err.c_str());
            QCOMPARE(std::count(result.err.begin(), result.err.end(), '\n'), 1);
        }
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
