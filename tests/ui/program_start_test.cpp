// The program as started from a desktop or a terminal: it reads the decimal
// separator from the user's locale, loads and solves the file named on its
// command line (whatever the file's name) or the equation given there,
// carries its icon and desktop file name, and leaves what it shows only on
// request for then.
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

// Also: the modal windows, Qt's print support and the image plug-ins wait
// for their first use.
const std::string kEnd = "icon set\ndesktop org.parabel.Parabel\nbefore first use none\n";

}  // namespace

class ProgramStartTest : public QObject {
    Q_OBJECT

  private slots:
    void theFileOnTheCommandLineIsLoadedAndSolvedUnderTheLocale() {
        const std::string& locales = parabel::testing::CommaLocalePath();
        QVERIFY2(!locales.empty(), "no ru_RU locale sources: run scripts/setup");
        QTemporaryDir folder;
        const std::string home = folder.path().toStdString();
        const std::vector<std::string> comma = {
            "LOCPATH=" + locales, std::string("LC_ALL=") + parabel::testing::kCommaLocale,
            "XDG_CONFIG_HOME=" + home, "XDG_STATE_HOME=" + home};
        const std::vector<std::string> point = {"LC_ALL=C", "XDG_CONFIG_HOME=" + home,
                                                "XDG_STATE_HOME=" + home};
        const struct Row {
            const char* name;  // of the file, in UTF-8; none: the equation instead
            QByteArray content;
            std::vector<std::string> environment;
            std::string report;
        } rows[] = {
            // Under a comma locale "0,25" is a number: two roots, nine lines.
            {"eq.txt", "x^2-0,25\r\n", comma,
             "separator ,\nfield x^2-0,25=0\nlines 9\n  Решение\n  __________________________\n"
             "  D=(0)^2-4*(1)*(-0,25)=1\n  D>0 - Два корня.\n"
             "  x(1,2)=((0)±(1^(1/2)))/(2*(1))\n  x(1)=0,5\n  x(2)=-0,5\n"
             "  __________________________\n  Ответ: x(1)=0,5 ; x(2)=-0,5\n"},
            // Under the C locale the comma is no separator: the solve fails
            // and the field keeps its text.
            {"eq.txt", "x^2-0,25\r\n", point, "separator .\nfield x^2-0,25\nlines 0\n"},
            // A long name with spaces and Cyrillic letters, as a desktop's
            // "Open with" passes it, and a Windows-1251 first line.
            {"уравнение для урока номер 1 (копия).txt", "X^2-4\r\nвторая строка\r\n", point,
             "separator .\nfield x^2-4=0\nlines 9\n  Решение\n  __________________________\n"
             "  D=(0)^2-4*(1)*(-4)=16\n  D>0 - Два корня.\n"
             "  x(1,2)=((0)±(16^(1/2)))/(2*(1))\n  x(1)=2\n  x(2)=-2\n"
             "  __________________________\n  Ответ: x(1)=2 ; x(2)=-2\n"},
            {"one root.txt", "\xEF\xBB\xBFx^2+2x+1", point,
             "separator .\nfield x^2+2x+1=0\nlines 7\n  Решение\n  __________________________\n"
             "  D=(2)^2-4*(1)*(1)=0\n  D=0 - Один корень.\n  x=(-2)/(2*(1))=-1\n"
             "  __________________________\n  Ответ: -1\n"},
            // An equation given as such, pasted from a book: it enters the
            // field as typed text does.
            {nullptr, "X²−4", point,
             "separator .\nfield x^2-4=0\nlines 9\n  Решение\n  __________________________\n"
             "  D=(0)^2-4*(1)*(-4)=16\n  D>0 - Два корня.\n"
             "  x(1,2)=((0)±(16^(1/2)))/(2*(1))\n  x(1)=2\n  x(2)=-2\n"
             "  __________________________\n  Ответ: x(1)=2 ; x(2)=-2\n"},
            {nullptr, "x^2-0,25", comma,
             "separator ,\nfield x^2-0,25=0\nlines 9\n  Решение\n  __________________________\n"
             "  D=(0)^2-4*(1)*(-0,25)=1\n  D>0 - Два корня.\n"
             "  x(1,2)=((0)±(1^(1/2)))/(2*(1))\n  x(1)=0,5\n  x(2)=-0,5\n"
             "  __________________________\n  Ответ: x(1)=0,5 ; x(2)=-0,5\n"},
        };
        for (const Row& row : rows) {
            std::vector<std::string> arguments;
            if (row.name == nullptr) {
                arguments = {"-e", row.content.toStdString()};
            } else {
                const QString file = QDir(folder.path()).filePath(QString::fromUtf8(row.name));
                QFile out(file);
                QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
                out.write(row.content);
                out.close();
                arguments = {file.toStdString()};
            }
            QCOMPARE(QString::fromStdString(Run(arguments, row.environment)),
                     QString::fromStdString(row.report + kEnd));
        }
    }
};

QTEST_MAIN(ProgramStartTest)
#include "program_start_test.moc"
