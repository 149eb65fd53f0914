// The main window's file and colour commands with scripted dialogs.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTest>
#include <cstdio>

#include <csignal>

#include "plot/picture.h"
#include "program_fixture.h"

using parabel::testing::Program;
using parabel::testing::RunQueuedCommands;

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void Write(const QString& path, const QByteArray& content) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
}

// The file name the command's next dialog starts with; the script cancels it.
QString NextDialogName(Program& program, const char* action) {
    program.platform.fileAnswers.clear();
    program.Action(action)->trigger();
    RunQueuedCommands();
    return program.platform.fileCalls.back().initialName;
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void saveSolutionWritesWindows1251Lines() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("x^2+2x+5"));
        const QString path = program.Path(QStringLiteral("solution.txt"));
        program.platform.fileAnswers = {path};
        QTest::keyClick(program.main.get(), Qt::Key_S, Qt::ControlModifier);
        RunQueuedCommands();
        const QByteArray expected =
            QByteArray("x^2+2x+5=0\r\n") + "\xD0\xE5\xF8\xE5\xED\xE8\xE5\r\n" +
            "__________________________\r\nD=(2)^2-4*(1)*(5)=-16\r\n" +
            "D<0 - \xCA\xEE\xF0\xED\xE5\xE9 \xED\xE5\xF2.\r\n__________________________\r\n" +
            "\xCE\xF2\xE2\xE5\xF2: \xCA\xEE\xF0\xED\xE5\xE9 \xED\xE5\xF2.\r\n";
        QCOMPARE(Read(path), expected);
        const auto& call = program.platform.fileCalls.back();
        QVERIFY(call.save);
        QCOMPARE(call.options.filter, QStringLiteral("Текстовые файлы|*.txt"));
        QCOMPARE(call.options.defaultExtension, QStringLiteral("txt"));
        QVERIFY(call.options.askOverwrite);
        QCOMPARE(NextDialogName(program, "saveSolutionAction"), QString());

        // Loading the saved file gives the same equation.
        program.main->clearAll();
        program.platform.fileAnswers = {path};
        QTest::keyClick(program.main.get(), Qt::Key_L, Qt::ControlModifier);
        RunQueuedCommands();
        QCOMPARE(program.Field()->text(), QStringLiteral("x^2+2x+5=0"));
        QCOMPARE(program.List()->count(), 6);
    }

    void saveBeforeTheFirstSolveWritesAnEmptyFile() {
        Program program;
        const QString path = program.Path(QStringLiteral("empty.txt"));
        Write(path, "old content");
        program.platform.fileAnswers = {path};
        program.main->saveSolution();
        QCOMPARE(Read(path), QByteArray());
    }

    void cancelledSaveWritesNothing() {
        Program program;
        program.Solve(QStringLiteral("x^2-1"));
        program.main->saveSolution();  // the script cancels
        QCOMPARE(QDir(program.folder.path()).entryList(QDir::Files).size(), 0);
    }

    void failedSaveKeepsTheFileAndTheName() {
        Program program;
        program.Solve(QStringLiteral("x^2-1"));
        const QString path = program.Path(QStringLiteral("missing/s.txt"));
        program.platform.fileAnswers = {path};
        program.Action("saveSolutionAction")->trigger();
        RunQueuedCommands();
        QCOMPARE(program.platform.boxes.size(), size_t(1));
        QCOMPARE(program.platform.boxes[0].caption, QStringLiteral("Parabel"));
        QCOMPARE(program.platform.boxes[0].text,
                 QStringLiteral("Cannot create file \"%1\". No such file or directory.").arg(path));
        program.Action("saveSolutionAction")->trigger();
        RunQueuedCommands();
        QCOMPARE(program.platform.fileCalls.back().initialName, path);
    }

    void saveThatRunsOutOfSpaceLeavesTheOldFile() {
        Program program;
        program.Solve(QStringLiteral("x^2-5x+6"));
        const QString path = program.Path(QStringLiteral("s.txt"));
        const QByteArray old(20, 'o');
        Write(path, old);
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{50, 50};
            setrlimit(RLIMIT_FSIZE, &limit);
            program.platform.fileAnswers = {path};
            program.Action("saveSolutionAction")->trigger();
            RunQueuedCommands();
            const bool reported = program.platform.boxes.size() == 1 &&
                                  program.platform.boxes[0].text == "Stream write error.";
            _exit(reported ? 42 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 42);
        QCOMPARE(Read(path), old);
    }

    void loadTakesTheFirstLineWithAnyLineEnd() {
        const QByteArray contents[] = {"2X^2+3x-5=0\r\njunk", "2x^2+3x-5=0\njunk",
                                       "2x^2+3x-5=0\rjunk", "2x^2+3x-5=0"};
        for (const QByteArray& content : contents) {
            Program program;
            const QString path = program.Path(QStringLiteral("e.txt"));
            Write(path, content);
            program.platform.fileAnswers = {path};
            program.Action("loadAction")->trigger();
            RunQueuedCommands();
            QCOMPARE(program.Field()->text(), QStringLiteral("2x^2+3x-5=0"));
            QCOMPARE(program.List()->count(), 9);
            QCOMPARE(program.main->plotState().a, parabel::Extended(2));
            QCOMPARE(NextDialogName(program, "loadAction"), QString());
            QVERIFY(program.platform.boxes.empty());
        }
    }

    void loadOfAFileWithoutALine() {
        const QByteArray contents[] = {QByteArray(), QByteArray("\0x", 2)};
        for (const QByteArray& content : contents) {
            Program program;
            program.Solve(QStringLiteral("x^2-1"));
            const QString path = program.Path(QStringLiteral("e.txt"));
            Write(path, content);
            program.platform.fileAnswers = {path};
            program.Action("loadAction")->trigger();
            RunQueuedCommands();
            QCOMPARE(program.platform.boxes.size(), size_t(1));
            QCOMPARE(program.platform.boxes[0].text,
                     QStringLiteral("List index out of bounds (0)"));
            QCOMPARE(program.Field()->text(), QString());
            QCOMPARE(NextDialogName(program, "loadAction"), path);  // kept after an error
        }
    }

    void loadOfAnEmptyFirstLineSolvesTheEmptyText() {
        Program program;
        const QString path = program.Path(QStringLiteral("e.txt"));
        Write(path, "\r\nx^2-1");
        program.platform.fileAnswers = {path};
        program.Action("loadAction")->trigger();
        RunQueuedCommands();
        QCOMPARE(program.platform.boxes.size(), size_t(1));
        QCOMPARE(program.platform.boxes[0].caption, QStringLiteral("Error"));
        QVERIFY(program.platform.boxes[0].text.startsWith(QStringLiteral("Уравнение")));
        QCOMPARE(*program.main->savedSolution(), std::vector<std::string>{"=0"});
    }

    void missingFilesAskAgainNested() {
        Program program;
        const QString missing = program.Path(QStringLiteral("nothing.txt"));
        const QString folder = program.Path(QString());
        program.platform.fileAnswers = {missing, folder};  // then cancel
        program.Action("loadAction")->trigger();
        RunQueuedCommands();
        QCOMPARE(program.platform.fileCalls.size(), size_t(3));
        QCOMPARE(program.platform.boxes.size(), size_t(2));
        QCOMPARE(program.platform.boxes[0].caption, QStringLiteral("Ошибка"));
        QCOMPARE(program.platform.boxes[0].text,
                 QStringLiteral("Файл %1 не существует.").arg(missing));
        QCOMPARE(program.platform.boxes[1].text,
                 QStringLiteral("Файл %1 не существует.").arg(folder));
        QCOMPARE(program.platform.fileCalls[1].initialName, QString());
        QCOMPARE(NextDialogName(program, "loadAction"), QString());
    }

    void aFileNamedAtStartUpLoadsAsTheLoadCommandDoes() {
        struct Row {
            const char* what;
            QByteArray name;     // the bytes of the file's name in the test's folder
            QByteArray content;  // null: no such file; "/": a folder
            QString field;       // the field afterwards
            QString boxText;     // the start of the one message box (%1: the name shown), or none
            QString shownName;
        };
        const Row rows[] = {
            {"a good file",
             "start.txt",
             "\xEF\xBB\xBFx^2-5x+6\r\nrest",
             QStringLiteral("x^2-5x+6=0"),
             QString(),
             {}},
            {"a missing file", "start.txt", QByteArray(), QString(),
             QStringLiteral("Файл %1 не существует."), QStringLiteral("start.txt")},
            {"a binary file",
             "start.txt",
             QByteArray("\x89PNG\r\n\x1a\n\0\0", 10),
             QStringLiteral("\u2030png"),
             QStringLiteral("Уравнение не соответствует виду ax^2+bx+c"),
             {}},
            // A name of Windows-1251 bytes from an old archive: opened by its
            // bytes, shown as well as it can be.
            {"a Windows-1251 name",
             "\xF3\xF0\xE0\xE2\xED\xE5\xED\xE8\xE5.txt",
             "x^2-5x+6",
             QStringLiteral("x^2-5x+6=0"),
             QString(),
             {}},
            {"a missing Windows-1251 name", "\xF3\xF0.txt", QByteArray(), QString(),
             QStringLiteral("Файл %1 не существует."), QStringLiteral("ур.txt")},
            {"a folder", "folder", "/", QString(), QStringLiteral("Cannot open file \"%1\". "),
             QStringLiteral("folder")},
        };
        for (const Row& row : rows) {
            Program program;
            const QByteArray folder = QFile::encodeName(program.Path(QString())) + "/";
            const std::string path = (folder + row.name).toStdString();
            if (row.content == "/") {
                QVERIFY(mkdir(path.c_str(), 0700) == 0);
            } else if (!row.content.isNull()) {
                FILE* file = std::fopen(path.c_str(), "wb");
                QVERIFY(file != nullptr);
                std::fwrite(row.content.data(), 1, row.content.size(), file);
                std::fclose(file);
            }
            program.context->guard([&] { program.main->loadEquationFile(path); });
            QVERIFY2(program.platform.fileCalls.empty(), row.what);  // no dialog
            QCOMPARE(program.Field()->text(), row.field);
            if (row.boxText.isEmpty()) {
                QVERIFY2(program.platform.boxes.empty(), row.what);
                QCOMPARE(program.main->plotState().b, -parabel::Extended(5));
            } else {
                QCOMPARE(program.platform.boxes.size(), size_t(1));
                const QString shown = program.Path(row.shownName);
                QVERIFY2(program.platform.boxes[0].text.startsWith(row.boxText.arg(shown)),
                         qPrintable(program.platform.boxes[0].text));
            }
        }
    }

    void loadFromEndlessSources() {
        Program program;
        program.platform.fileAnswers = {QStringLiteral("/dev/zero")};
        program.Action("loadAction")->trigger();
        RunQueuedCommands();
        QCOMPARE(program.platform.boxes.size(), size_t(1));
        QCOMPARE(program.platform.boxes[0].text, QStringLiteral("List index out of bounds (0)"));
    }

    void savePlotWritesTheFramedPicture() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("x^2-5x+6"));
        const QString path = program.Path(QStringLiteral("p.bmp"));
        Write(path, "old");
        program.platform.fileAnswers = {path};
        QTest::keyClick(program.main.get(), Qt::Key_G, Qt::ControlModifier);
        RunQueuedCommands();
        const QByteArray bmp = Read(path);
        QCOMPARE(bmp.size(), 436422);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        // The first stored row is the frame's black bottom edge.
        QCOMPARE(bmp.mid(1078, 4), QByteArray("\0\0\0\0", 4));
        // Read back by Qt's own BMP reader: the frame with the panel inside.
        const QImage image(path);
        QCOMPARE(image.size(), QSize(322, 338));
        const parabel::Picture picture = parabel::ComposeMainPicture(program.main->panel());
        for (int y = 0; y < 338; ++y) {
            for (int x = 0; x < 322; ++x) {
                QCOMPARE(image.pixel(x, y), QRgb(picture.At(x, y)));
            }
        }
        const auto& call = program.platform.fileCalls.back();
        QCOMPARE(call.options.filter, QStringLiteral("Растровые изображения|*.bmp"));
        QVERIFY(!call.options.askOverwrite);
        QCOMPARE(NextDialogName(program, "savePlotAction"), QString());
    }

    void colourCommandWritesTheCanonicalText() {
        Program program;
        const QString ini = QString::fromStdString(program.context->settingsPath());
        QCOMPARE(program.main->plotState().curveColor, 0x0000FF);  // no file: red
        program.Action("curveColorAction")->trigger();
        RunQueuedCommands();  // cancelled
        QCOMPARE(Read(ini), QByteArray("[1]\r\nColor=clRed\r\n"));
        QCOMPARE(program.platform.colorCalls.back(), QColor(255, 0, 0));
        program.platform.colorAnswers = {QColor(1, 2, 3)};
        program.Solve(QStringLiteral("x^2-4"));
        program.Action("curveColorAction")->trigger();
        RunQueuedCommands();
        QCOMPARE(program.main->plotState().curveColor, 0x00030201);
        QCOMPARE(Read(ini), QByteArray("[1]\r\nColor=$00030201\r\n"));
        QCOMPARE(program.main->panel().PixelAt(150, 200), 0xFF010203u);  // redrawn in it
        program.platform.colorAnswers = {QColor(255, 0, 0)};
        program.Action("curveColorAction")->trigger();
        RunQueuedCommands();
        QCOMPARE(Read(ini), QByteArray("[1]\r\nColor=clRed\r\n"));
    }

    // The colour texts themselves are the window model's story; here, that
    // the window reads its file and shows a bad one's box before it shows.
    void startUpReadsTheColour() {
        struct Row {
            QByteArray file;
            int color;
            QString error;
        };
        const Row rows[] = {
            {"[1]\r\nColor=clBlue\r\n", 0x00FF0000, {}},
            {"[1]\r\nColor=red\r\n", 0, QStringLiteral("'red' is not a valid integer value.")},
        };
        for (const Row& row : rows) {
            Program program(row.file, true);
            QCOMPARE(program.main->plotState().curveColor, row.color);
            if (row.error.isEmpty()) {
                QVERIFY(program.platform.boxes.empty());
            } else {
                QCOMPARE(program.platform.boxes.size(), size_t(1));
                QCOMPARE(program.platform.boxes[0].text, row.error);
                QVERIFY(!program.main->isVisible());  // before the window is shown
            }
        }
    }

    void colourDialogOpensOnASystemColoursRgb() {
        // A system colour opens the dialog on its current RGB colour; after OK
        // the chosen RGB colour is written instead.
        Program program("[1]\r\nColor=clBtnFace\r\n", true);
        program.platform.colorAnswers = {QColor(10, 20, 30)};
        program.main->chooseCurveColor();
        QCOMPARE(program.platform.colorCalls.back(), QColor::fromRgb(parabel::SystemColor(15)));
        QCOMPARE(Read(QString::fromStdString(program.context->settingsPath())),
                 QByteArray("[1]\r\nColor=$001E140A\r\n"));
    }

    void unwritableSettingsKeepTheColourForTheRun() {
        Program program;
        program.context->setSettingsPath(
            program.Path(QStringLiteral("missing/Inf.ini")).toStdString());
        program.platform.colorAnswers = {QColor(0, 0, 255)};
        program.Action("curveColorAction")->trigger();
        RunQueuedCommands();
        QCOMPARE(program.platform.boxes.size(), size_t(1));
        QCOMPARE(program.platform.boxes[0].text,
                 QStringLiteral("Unable to write to %1.").arg(program.Path("missing/Inf.ini")));
        QCOMPARE(program.main->plotState().curveColor, 0x00FF0000);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
