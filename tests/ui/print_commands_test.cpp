// Print and save as PDF: the page the print preview and the PDF file show
// (the equation line and the list's lines as text, the plot's very pixels,
// the date), checked as a picture and as text, the PDF read back by
// poppler's pdftoppm and pdftotext; and nothing to print before a solve and
// after Clear.
#include <QDate>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTest>
#include <cmath>

#include "app/printed_page.h"
#include "program_fixture.h"
#include "support/run_program.h"

using parabel::testing::Program;
using parabel::testing::RunProgram;
using parabel::testing::RunQueuedCommands;

namespace {

const QString kNothingToPrint = QStringLiteral(
    "Нечего печатать: решите уравнение, и его решение с графиком можно будет напечатать.");

// The lines the printed page holds: the equation line, then the list's.
std::vector<std::string> ShownLines(Program& program) {
    std::vector<std::string> lines{program.main->savedSolution()->front()};
    for (int row = 0; row < program.List()->count(); ++row) {
        lines.push_back(program.List()->item(row)->text().toStdString());
    }
    return lines;
}

parabel::PrintedPage LaidOut(Program& program) {
    const QDate date = QDate::currentDate();
    return parabel::LayOutPrintedPage(parabel::kA4, ShownLines(program), 322, 338,
                                      {date.day(), date.month(), date.year()});
}

// Whether `page`, at `dotsPerInch`, shows the window's plot picture with
// each of its pixels `scale` x `scale` dots at the page's plot corner; with
// `centres`, only the dot at the centre of each pixel's square is looked at,
// within 2 in each colour channel (a renderer's own rounding).
bool ShowsThePlot(const QImage& page, double dotsPerInch, const parabel::PrintedPage& layout,
                  Program& program, int scale, bool centres = false) {
    const QImage picture = program.main->findChild<QWidget*>(QStringLiteral("plotArea"))
                               ->grab()
                               .toImage()
                               .convertToFormat(QImage::Format_RGB32);
    const int left = static_cast<int>(std::lround(layout.plotLeft * dotsPerInch / 25.4));
    const int top = static_cast<int>(std::lround(layout.plotTop * dotsPerInch / 25.4));
    const int step = centres ? scale : 1;
    const int first = centres ? scale / 2 : 0;
    const int tolerance = centres ? 2 : 0;
    for (int y = first; y < picture.height() * scale; y += step) {
        for (int x = first; x < picture.width() * scale; x += step) {
            const QRgb shown = page.pixel(left + x, top + y);
            const QRgb drawn = picture.pixel(x / scale, y / scale);
            if (std::abs(qRed(shown) - qRed(drawn)) > tolerance ||
                std::abs(qGreen(shown) - qGreen(drawn)) > tolerance ||
                std::abs(qBlue(shown) - qBlue(drawn)) > tolerance) {
                qWarning("dot (%d, %d) of the plot differs", x, y);
                return false;
            }
        }
    }
    return true;
}

}  // namespace

class PrintCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void nothingToPrintBeforeASolveAndAfterClear() {
        for (const bool cleared : {false, true}) {
            Program program;
            program.Show();
            if (cleared) {
                program.Solve(QStringLiteral("x^2-4"));
                program.main->clearAll();
            }
            QTest::keyClick(program.main.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
            RunQueuedCommands();
            program.Action("savePdfAction")->trigger();
            RunQueuedCommands();
            QCOMPARE(program.platform.boxes.size(), size_t(2));
            for (const auto& box : program.platform.boxes) {
                QCOMPARE(box.caption, QStringLiteral("Ошибка"));
                QCOMPARE(box.text, kNothingToPrint);
            }
            QVERIFY(program.platform.printedPages.empty());
            QVERIFY(program.platform.fileCalls.empty());
        }
    }

    void thePrintedPageHoldsTheSolutionAndThePlotsPixels() {
        for (const QString& equation : {QStringLiteral("x^2-5x+6"), QStringLiteral("2x^2+4x+2"),
                                       QStringLiteral("x^2+2x+5")}) {
            Program program;
            program.Show();
            program.Solve(equation);
            QTest::keyClick(program.main.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
            RunQueuedCommands();
            QCOMPARE(program.platform.printedPages.size(), size_t(1));
            const QImage& page = program.platform.printedPages.front();
            QCOMPARE(page.size(), QSize(826, 1169));  // A4 at 100 dots per inch
            QVERIFY(ShowsThePlot(page, 100, LaidOut(program), program, 1));
            QVERIFY(program.platform.boxes.empty());
        }
    }

    void thePdfFileHasTheSolutionAsTextAndThePlotsPixels() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("x^2+x-1"));
        const QString pdf = program.Path(QStringLiteral("решение.pdf"));
        program.platform.fileAnswers = {pdf};
        program.Action("savePdfAction")->trigger();
        RunQueuedCommands();
        QVERIFY(program.platform.boxes.empty());
        QCOMPARE(program.platform.fileCalls.back().options.defaultExtension, QStringLiteral("pdf"));

        // Its text, selectable and searchable: the lines as the list shows
        // them, then the footer.
        const auto text = RunProgram("pdftotext", {pdf.toStdString(), "-"});
        QCOMPARE(text.status, 0);
        QStringList lines = QString::fromStdString(text.out).split('\n', Qt::SkipEmptyParts);
        const std::vector<std::string> shown = ShownLines(program);
        QVERIFY(lines.size() > static_cast<qsizetype>(shown.size()));
        for (std::size_t i = 0; i < shown.size(); ++i) {
            QCOMPARE(lines[static_cast<qsizetype>(i)], QString::fromStdString(shown[i]));
        }
        QVERIFY(QString::fromStdString(text.out).contains(
            QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));

        // The picture the file holds, losslessly: every picture pixel as
        // 6 x 6 dots of 600 dots per inch.
        const QString images = program.Path(QStringLiteral("image"));
        QCOMPARE(RunProgram("pdfimages", {"-png", pdf.toStdString(), images.toStdString()}).status,
                 0);
        const QImage held(images + QStringLiteral("-000.png"));
        QCOMPARE(held.size(), QSize(322 * 6, 338 * 6));
        parabel::PrintedPage origin = LaidOut(program);
        origin.plotLeft = origin.plotTop = 0;
        QVERIFY(ShowsThePlot(held.convertToFormat(QImage::Format_RGB32), 600, origin, program, 6));
        QVERIFY(RunProgram("pdfimages", {"-list", pdf.toStdString()}).out.find(" 600   600 ") !=
                std::string::npos);

        // And where the page shows it: rendered at 600 dots per inch with a
        // margin of white around it.
        const parabel::PrintedPage layout = LaidOut(program);
        const auto at600 = [](double millimetres) {
            return static_cast<int>(std::lround(millimetres * 600 / 25.4));
        };
        const int left = at600(layout.plotLeft) - 6;
        const int top = at600(layout.plotTop) - 6;
        const QString prefix = program.Path(QStringLiteral("plot"));
        const auto rendered = RunProgram(
            "pdftoppm", {"-r", "600", "-x", std::to_string(left), "-y", std::to_string(top), "-W",
                         std::to_string(322 * 6 + 12), "-H", std::to_string(338 * 6 + 12), "-png",
                         "-singlefile", pdf.toStdString(), prefix.toStdString()});
        QCOMPARE(rendered.status, 0);
        QImage plot(prefix + QStringLiteral(".png"));
        plot = plot.convertToFormat(QImage::Format_RGB32);
        parabel::PrintedPage shifted = layout;
        shifted.plotLeft = shifted.plotTop = 6 * 25.4 / 600;
        QVERIFY(ShowsThePlot(plot, 600, shifted, program, 6, true));
        for (const QPoint margin : {QPoint(0, 0), QPoint(plot.width() - 1, plot.height() - 1)}) {
            QCOMPARE(plot.pixel(margin) & 0xFFFFFF, 0xFFFFFFu);
        }
    }
};

QTEST_MAIN(PrintCommandsTest)
#include "print_commands_test.moc"
