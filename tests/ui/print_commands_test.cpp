// Print and save as PDF: the page the print preview and the PDF file show
// (the equation line and the list's lines as text, the plot's very pixels,
// the date), checked as a picture and as text, the PDF read back by
// poppler's pdftoppm and pdftotext; and nothing to print before a solve and
// after Clear.
#include <QDate>
#include <QFile>
#include <QGraphicsView>
#include <QImage>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "app/printed_page.h"
#include "plot/picture.h"
#include "program_fixture.h"
#include "support/run_program.h"
#include "ui/picture_image.h"

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

// Where the printed plot's corner lies, in millimetres.
QPointF PlotCorner(Program& program) {
    const QDate date = QDate::currentDate();
    const parabel::PrintedDocument document = parabel::LayOutPrintedDocument(
        parabel::kA4, ShownLines(program), 322, 338, {date.day(), date.month(), date.year()});
    return {document.plotLeft, document.pages.front().plotTop.value()};
}

// Whether `page`, at `dotsPerInch`, shows the window's plot picture with
// each of its pixels `scale` x `scale` dots at `corner` (millimetres); with
// `centres`, only the dot at the centre of each pixel's square is looked at,
// within 2 in each colour channel (a renderer's own rounding).
bool ShowsThePlot(const QImage& page, double dotsPerInch, QPointF corner, Program& program,
                  int scale, bool centres = false) {
    const QImage picture = program.main->findChild<QWidget*>(QStringLiteral("plotArea"))
                               ->grab()
                               .toImage()
                               .convertToFormat(QImage::Format_RGB32);
    const int left = static_cast<int>(std::lround(corner.x() * dotsPerInch / 25.4));
    const int top = static_cast<int>(std::lround(corner.y() * dotsPerInch / 25.4));
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

// A word of a PDF's text with its box in points, as pdftotext -bbox gives it.
struct PdfWord {
    int page = 0;
    QRectF box;
    QString text;
};

struct PdfText {
    QSizeF pageSize;  // in points
    std::vector<PdfWord> words;
};

PdfText ReadPdfText(const QString& pdf) {
    const auto html = RunProgram("pdftotext", {"-bbox", pdf.toStdString(), "-"});
    PdfText text;
    int page = -1;
    static const QRegularExpression kItem(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (const auto& match : kItem.globalMatch(QString::fromStdString(html.out))) {
        if (match.capturedLength(1) > 0) {
            ++page;
            text.pageSize = QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
            continue;
        }
        const QPointF topLeft(match.captured(3).toDouble(), match.captured(4).toDouble());
        const QPointF bottomRight(match.captured(5).toDouble(), match.captured(6).toDouble());
        QString word = match.captured(7);
        word.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        text.words.push_back({page, QRectF(topLeft, bottomRight), word});
    }
    return text;
}

QString WithoutSpaces(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// Runs `check` on the print preview once it is the active modal window,
// then closes it.
void WhenPreviewShows(std::function<void(QPrintPreviewDialog&)> check) {
    QTimer::singleShot(10, [check = std::move(check)]() mutable {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (preview == nullptr || !preview->isVisible()) {
            WhenPreviewShows(std::move(check));
            return;
        }
        check(*preview);
        preview->reject();
    });
}

// How many of the picture's drawn pixels (a colour channel below 200 when
// the picture is smoothly scaled to where the preview shows it) the preview
// shows as blank paper (every channel above 235 within a pixel around).
int PixelsMissingInThePreview(QPrintPreviewDialog& preview, const QImage& picture,
                              QPointF cornerMm) {
    auto* view = preview.findChild<QPrintPreviewWidget*>()->findChild<QGraphicsView*>();
    const double dotsPerInch = preview.printer()->resolution();
    const int dotsPerPixel = parabel::DotsPerPicturePixel(dotsPerInch);
    const QRectF onPage(std::round(cornerMm.x() * dotsPerInch / 25.4),
                        std::round(cornerMm.y() * dotsPerInch / 25.4),
                        picture.width() * dotsPerPixel, picture.height() * dotsPerPixel);
    const QRect shownAt = view->mapFromScene(onPage).boundingRect();
    const QImage shown = view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected =
        picture.scaled(shownAt.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const auto darkest = [](QRgb pixel) {
        return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    };
    int missing = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (darkest(expected.pixel(x, y)) >= 200) {
                continue;
            }
            bool seen = false;
            for (int dy = -1; dy <= 1 && !seen; ++dy) {
                for (int dx = -1; dx <= 1 && !seen; ++dx) {
                    const QPoint at = shownAt.topLeft() + QPoint(x + dx, y + dy);
                    seen = shown.rect().contains(at) && darkest(shown.pixel(at)) <= 235;
                }
            }
            missing += seen ? 0 : 1;
        }
    }
    return missing;
}

}  // namespace

class PrintCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The print preview's printer the same on every machine: no printer
        // server to ask, and a home of the test's own for the user's
        // printer options.
        qputenv("CUPS_SERVER", QFile::encodeName(home_.filePath(QStringLiteral("no-cups.sock"))));
        qputenv("HOME", QFile::encodeName(home_.path()));
    }

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
            QVERIFY(ShowsThePlot(page, 100, PlotCorner(program), program, 1));
            QVERIFY(program.platform.boxes.empty());
        }
    }

    void longLinesWrapAtTheListsSizeAndAFailedSolvePrintsWhatIsSaved() {
        const QString zeros141(141, QLatin1Char('0'));
        const QString zeros3000(3000, QLatin1Char('0'));
        // The equation solved before, the one printed, and whether it fails.
        const struct {
            QString before;
            QString equation;
            bool fails;
        } rows[] = {
            {{}, QStringLiteral("x^2-") + zeros141 + QStringLiteral("5x+6"), false},
            {{}, QStringLiteral("x^2-") + zeros3000 + QStringLiteral("5x+6"), false},
            {QStringLiteral("x^2+2x+5"), QStringLiteral("x^2-1e400x"), true},
            {QStringLiteral("x^2-4"), QStringLiteral("x^2-5y+6"), true},
        };
        for (const auto& row : rows) {
            Program program;
            program.Show();
            if (!row.before.isEmpty()) {
                program.Solve(row.before);
            }
            program.Solve(row.equation);
            QCOMPARE(program.platform.boxes.size(), size_t(row.fails ? 1 : 0));
            const QString pdf = program.Path(QStringLiteral("page.pdf"));
            program.platform.fileAnswers = {pdf};
            program.Action("savePdfAction")->trigger();
            RunQueuedCommands();
            QCOMPARE(program.platform.boxes.size(), size_t(row.fails ? 1 : 0));

            // What the save-solution command saves, then the failure's
            // message, as text of at least 10 points within the margins; the
            // footer's words below them on each page.
            QString expected;
            for (const std::string& line : *program.main->savedSolution()) {
                expected += QString::fromStdString(line);
            }
            if (row.fails) {
                expected += program.platform.boxes.front().text;
            }
            const PdfText text = ReadPdfText(pdf);
            const double margin = 20 * 72 / 25.4;
            const double footerTop = text.pageSize.height() - margin;
            QString body;
            int pages = 0;
            for (const PdfWord& word : text.words) {
                pages = std::max(pages, word.page + 1);
                if (word.box.top() > footerTop) {
                    continue;
                }
                body += word.text;
                QVERIFY2(word.box.height() > 10 * 1.1, qPrintable(word.text));
                QVERIFY2(word.box.left() >= margin - 1 &&
                             word.box.right() <= text.pageSize.width() - margin + 1,
                         qPrintable(word.text));
            }
            QCOMPARE(WithoutSpaces(body), WithoutSpaces(expected));
            QCOMPARE(pages > 1, row.equation.size() > 1000);
            // The plot of the equation printed, or none.
            const auto images = RunProgram("pdfimages", {"-list", pdf.toStdString()});
            QCOMPARE(images.status, 0);
            static const QRegularExpression kImage(QStringLiteral("^ *\\d+ +\\d+ +image "),
                                                   QRegularExpression::MultilineOption);
            QCOMPARE(QString::fromStdString(images.out).count(kImage), row.fails ? 0 : 1);
            // The print command prints as many pages, the plot whole on the last.
            QTest::keyClick(program.main.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
            RunQueuedCommands();
            QCOMPARE(static_cast<int>(program.platform.printedPages.size()), pages);
            if (!row.fails) {
                const QDate date = QDate::currentDate();
                const parabel::PrintedDocument document = parabel::LayOutPrintedDocument(
                    parabel::kA4, *program.main->savedSolution(), 322, 338,
                    {date.day(), date.month(), date.year()});
                const QPointF corner(document.plotLeft, document.pages.back().plotTop.value());
                QVERIFY(
                    ShowsThePlot(program.platform.printedPages.back(), 100, corner, program, 1));
            }
        }
    }

    void thePreviewShowsThePlotAsThePaperWillAndItsPrintButton() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("x^2-5x+6"));
        program.platform.realPrintPreview = true;
        const QImage picture =
            parabel::ui::pictureImage(parabel::MainPictureRows(program.main->panel()));
        const QPointF corner = PlotCorner(program);
        bool checked = false;
        WhenPreviewShows([&](QPrintPreviewDialog& preview) {
            // Every tool shown, the print button last among them.
            auto* toolbar = preview.findChild<QToolBar*>();
            QWidget* print = toolbar->widgetForAction(toolbar->actions().constLast());
            QVERIFY(print->isVisible());
            QVERIFY(toolbar->rect().contains(print->geometry()));
            // The plot at the opening zoom and at 100 %.
            auto* widget = preview.findChild<QPrintPreviewWidget*>();
            QCOMPARE(PixelsMissingInThePreview(preview, picture, corner), 0);
            widget->setZoomFactor(1.0);
            QCOMPARE(PixelsMissingInThePreview(preview, picture, corner), 0);
            checked = true;
        });
        QTest::keyClick(program.main.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        RunQueuedCommands();
        QVERIFY(checked);
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
        // them (the answer's wrapped after its ";"), then the footer.
        const auto text = RunProgram("pdftotext", {pdf.toStdString(), "-"});
        QCOMPARE(text.status, 0);
        QStringList lines = QString::fromStdString(text.out).split('\n', Qt::SkipEmptyParts);
        QStringList shown;
        for (const std::string& line : ShownLines(program)) {
            shown += QString::fromStdString(line)
                         .replace(QStringLiteral("; "), QStringLiteral(";\n"))
                         .split('\n');
        }
        QCOMPARE(lines.mid(0, shown.size()), shown);
        QVERIFY(QString::fromStdString(text.out).contains(
            QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));

        // The picture the file holds, losslessly: every picture pixel as
        // 6 x 6 dots of 600 dots per inch.
        const QString images = program.Path(QStringLiteral("image"));
        QCOMPARE(RunProgram("pdfimages", {"-png", pdf.toStdString(), images.toStdString()}).status,
                 0);
        const QImage held(images + QStringLiteral("-000.png"));
        QCOMPARE(held.size(), QSize(322 * 6, 338 * 6));
        QVERIFY(
            ShowsThePlot(held.convertToFormat(QImage::Format_RGB32), 600, QPointF(), program, 6));
        QVERIFY(RunProgram("pdfimages", {"-list", pdf.toStdString()}).out.find(" 600   600 ") !=
                std::string::npos);

        // And where the page shows it: rendered at 600 dots per inch with a
        // margin of white around it.
        const QPointF corner = PlotCorner(program);
        const auto at600 = [](double millimetres) {
            return static_cast<int>(std::lround(millimetres * 600 / 25.4));
        };
        const int left = at600(corner.x()) - 6;
        const int top = at600(corner.y()) - 6;
        const QString prefix = program.Path(QStringLiteral("plot"));
        const auto rendered = RunProgram(
            "pdftoppm", {"-r", "600", "-x", std::to_string(left), "-y", std::to_string(top), "-W",
                         std::to_string(322 * 6 + 12), "-H", std::to_string(338 * 6 + 12), "-png",
                         "-singlefile", pdf.toStdString(), prefix.toStdString()});
        QCOMPARE(rendered.status, 0);
        QImage plot(prefix + QStringLiteral(".png"));
        plot = plot.convertToFormat(QImage::Format_RGB32);
        const double margin = 6 * 25.4 / 600;
        QVERIFY(ShowsThePlot(plot, 600, QPointF(margin, margin), program, 6, true));
        for (const QPoint margin : {QPoint(0, 0), QPoint(plot.width() - 1, plot.height() - 1)}) {
            QCOMPARE(plot.pixel(margin) & 0xFFFFFF, 0xFFFFFFu);
        }
    }

  private:
    QTemporaryDir home_;
};

QTEST_MAIN(PrintCommandsTest)
#include "print_commands_test.moc"
