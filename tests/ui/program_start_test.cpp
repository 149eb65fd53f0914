// The program as started from a desktop or a terminal: it reads the decimal
// separator from the user's locale, loads a file named on its command line,
// and carries its icon and desktop file name.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "support/comma_locale.h"
#include "support/run_program.h"

namespace {

using parabel::testing::RunProgram;

std::string Run(const std::vector<std::string>& arguments, std::vector<std::string> environment) {
    environment.push_back("QT_QPA_PLATFORM=offscreen");
    const auto run = RunProgram(PARABEL_PROGRAM_PROBE, arguments, "", environment);
    return run.status == 0 ? run.out : "status " + std::to_string(run.status) + ": " + run.err;
}

}  // namespace

class ProgramStartTest : public QObject {
    Q_OBJECT

  private slots:
    void theSeparatorFollowsTheLocaleAndAFileIsLoaded() {
        const std::string& locales = parabel::testing::CommaLocalePath();
        QVERIFY2(!locales.empty(), "no ru_RU locale sources: run scripts/setup");
        QTemporaryDir folder;
        const QString file = QDir(folder.path()).filePath(QStringLiteral("eq.txt"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("x^2-0,25\r\n");
        out.close();
        const std::vector<std::string> args = {file.toStdString()};

        // Under a comma locale "0,25" is a number: two roots, nine lines.
        const std::string comma = Run(
            args, {"LOCPATH=" + locales, std::string("LC_ALL=") + parabel::testing::kCommaLocale,
                   "XDG_CONFIG_HOME=" + folder.path().toStdString()});
        QCOMPARE(comma, std::string("separator ,\nfield x^2-0,25=0\nlines 9\nicon set\n"
                                    "desktop org.parabel.Parabel\n"));
        // Under the C locale the comma is no separator: the solve fails and
        // the field keeps its text.
        const std::string point =
            Run(args, {"LC_ALL=C", "XDG_CONFIG_HOME=" + folder.path().toStdString()});
        QVERIFY2(point.rfind("separator .\nfield x^2-0,25\n", 0) == 0, point.c_str());
    }
};

QTEST_MAIN(ProgramStartTest)
#include "program_start_test.moc"
