// The worksheet command: reachable from the File menu, its dialog's list
// shows the model's worksheet for the choices and the sheet number, "New"
// gives another, an equation opens in the main window solved; its PDF, read
// back by poppler's pdftotext and pdftoppm, holds every heading and
// equation, the key's answer lines as parabel-cli writes them, and nothing
// in the paper's outer band.
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

#include "app/worksheet.h"
#include "program_fixture.h"
#include "support/run_program.h"

using parabel::testing::Child;
using parabel::testing::Program;
using parabel::testing::RunProgram;
using parabel::testing::RunQueuedCommands;
using parabel::testing::WindowProbe;

namespace {

// The lines the dialog's list should show for `worksheet`.
QStringList ListedLines(const parabel::Worksheet& worksheet) {
    QStringList lines;
    for (const parabel::WorksheetVariant& variant : worksheet.variants) {
        lines << QStringLiteral("Вариант ") + QString::number(variant.number);
        for (std::size_t i = 0; i < variant.equations.size(); ++i) {
            lines << QString::number(i + 1) + QStringLiteral(") ") +
                         QString::fromStdString(variant.equations[i].solution.front());
        }
    }
    return lines;
}

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int row = 0; row < list->count(); ++row) {
        lines << list->item(row)->text();
    }
    return lines;
}

struct Choices {
    std::uint32_t seed;
    int count;
    int variants;
    std::vector<parabel::EquationKind> kinds;  // empty: all
    bool worked = false;
};

// Opens the dialog through the File menu's action and sets `choices` in it
// as a user would.
parabel::ui::WorksheetDialog& OpenWith(Program& program, const Choices& choices) {
    program.Action("worksheetAction")->trigger();
    RunQueuedCommands();
    parabel::ui::WorksheetDialog& dialog = WindowProbe::Worksheet(*program.main);
    for (const parabel::EquationKind kind : parabel::AllKinds()) {
        const bool chosen =
            choices.kinds.empty() || std::ranges::find(choices.kinds, kind) != choices.kinds.end();
        dialog.findChild<QCheckBox*>(QStringLiteral("kind_") + parabel::KindName(kind))
            ->setChecked(chosen);
    }
    Child<QSpinBox>(&dialog, "countBox")->setValue(choices.count);
    Child<QSpinBox>(&dialog, "variantsBox")->setValue(choices.variants);
    Child<QDoubleSpinBox>(&dialog, "seedBox")->setValue(choices.seed);
    Child<QCheckBox>(&dialog, "workedSolutionsBox")->setChecked(choices.worked);
    return dialog;
}

parabel::Worksheet Expected(const Choices& choices) {
    return parabel::MakeWorksheet({choices.seed, choices.count, choices.variants, choices.kinds});
}

QStringList NonEmptyLines(const std::string& text) {
    QStringList lines;
    for (const QString& line : QString::fromStdString(text).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            lines << line.trimmed();
        }
    }
    return lines;
}

// How many dots of the page's outer band are drawn (any channel below 200):
// `sides` millimetres at the left and right, `ends` at the top and bottom.
int DrawnInTheBand(const QImage& page, double dotsPerInch, double sides, double ends) {
    const auto dots = [dotsPerInch](double mm) { return int(mm * dotsPerInch / 25.4); };
    int drawn = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const bool inBand = x < dots(sides) || x >= page.width() - dots(sides) ||
                                y < dots(ends) || y >= page.height() - dots(ends);
            const QRgb pixel = page.pixel(x, y);
            if (inBand && std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 200) {
                ++drawn;
            }
        }
    }
    return drawn;
}

}  // namespace

class WorksheetWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        for (const char* tool : {"pdftotext", "pdftoppm"}) {
            QVERIFY2(
                !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                qPrintable(QString::fromLatin1(tool) +
                           QStringLiteral(" is missing: this test reads the worksheet's PDF "
                                          "with poppler-utils, which scripts/setup installs")));
        }
    }

    void theCommandIsInTheFileMenuAfterPrintAndOpensTheDialog() {
        Program program;
        program.Show();
        QMenu* file = program.main->menuBar()->actions().front()->menu();
        const QList<QAction*> items = file->actions();
        const qsizetype print = items.indexOf(program.Action("printAction"));
        QVERIFY(print >= 0);
        QCOMPARE(items.value(print + 1), program.Action("worksheetAction"));
        program.Action("worksheetAction")->trigger();
        RunQueuedCommands();
        QVERIFY(WindowProbe::Worksheet(*program.main).isVisible());
    }

    void theListShowsTheModelsWorksheetForTheChoices() {
        const Choices rows[] = {
            {7, 3, 2, {}},
            {4294967295U, 40, 4, {}},
            {12345, 5, 3, {parabel::EquationKind::kNone, parabel::EquationKind::kDecimal}},
            {0, 1, 1, {parabel::EquationKind::kIncomplete}},
        };
        for (const Choices& row : rows) {
            Program program;
            program.Show();
            const auto& dialog = OpenWith(program, row);
            QCOMPARE(Lines(Child<QListWidget>(&dialog, "equationList")),
                     ListedLines(Expected(row)));
            QCOMPARE(dialog.worksheet().seed, row.seed);
        }
    }

    void newGivesAnotherSheetAndTheListFollows() {
        Program program;
        program.Show();
        auto& dialog = OpenWith(program, {7, 4, 2, {}});
        Child<QPushButton>(&dialog, "newSeedButton")->click();
        const auto seed = static_cast<std::uint32_t>(
            std::llround(Child<QDoubleSpinBox>(&dialog, "seedBox")->value()));
        QVERIFY(seed != 7);  // by chance one time in 2^32
        QCOMPARE(Lines(Child<QListWidget>(&dialog, "equationList")),
                 ListedLines(Expected({seed, 4, 2, {}})));
    }

    void anEquationOpensInTheMainWindowSolved() {
        Program program;
        program.Show();
        auto& dialog = OpenWith(program, {2026, 6, 2, {}});
        auto* list = Child<QListWidget>(&dialog, "equationList");
        auto* open = Child<QPushButton>(&dialog, "openButton");
        list->setCurrentRow(0);  // a variant's heading: nothing to open
        QVERIFY(!open->isEnabled());
        // Variant 2's fourth equation: after 7 rows of variant 1 and its heading.
        list->setCurrentRow(7 + 1 + 3);
        open->click();
        RunQueuedCommands();
        const parabel::Worksheet worksheet = Expected({2026, 6, 2, {}});
        const parabel::WorksheetEquation& equation = worksheet.variants[1].equations[3];
        // Typed as the sheet has it, then written back whole by the solve.
        QCOMPARE(program.Field()->text(), QString::fromStdString(equation.solution.front()));
        QCOMPARE(*program.main->savedSolution(), equation.solution);
        QVERIFY(program.platform.boxes.empty());
    }

    void thePdfHoldsTheSheetsAndTheKeyWithinThePapersMargins() {
        const Choices rows[] = {
            {1, 1, 1, {}, false},  {2, 1, 4, {}, true},   {3, 20, 1, {}, true},
            {4, 20, 4, {}, false}, {5, 40, 1, {}, false}, {6, 40, 4, {}, true},
        };
        for (const Choices& row : rows) {
            Program program;
            program.Show();
            auto& dialog = OpenWith(program, row);
            const QString pdf = program.Path(QStringLiteral("sheet.pdf"));
            program.platform.fileAnswers = {pdf};
            Child<QPushButton>(&dialog, "savePdfButton")->click();
            RunQueuedCommands();
            QVERIFY(program.platform.boxes.empty());
            const auto text = RunProgram("pdftotext", {"-raw", pdf.toStdString(), "-"});
            QCOMPARE(text.status, 0);
            const QStringList lines = NonEmptyLines(text.out);

            // Every variant's heading, and each equation on its sheet and in
            // its key, numbered.
            const auto cli =
                RunProgram(PARABEL_CLI, {"worksheet", "--seed", std::to_string(row.seed), "--count",
                                         std::to_string(row.count), "--variants",
                                         std::to_string(row.variants), "--key"});
            QCOMPARE(cli.status, 0);
            QStringList answers;
            for (const QString& line : NonEmptyLines(cli.out)) {
                if (line.startsWith(QStringLiteral("Ответ:"))) {
                    answers << line;
                } else {
                    // On the sheet and in the key; a heading on every page of its sheet.
                    const qsizetype inCli = NonEmptyLines(cli.out).count(line);
                    QVERIFY2(lines.count(line) >=
                                 (line.contains(QStringLiteral("Вариант")) ? 1 : 2) * inCli,
                             qPrintable(line));
                }
            }
            // The key's answer lines, in order, as parabel-cli writes them
            // (a long one wrapped after its ";"), and no other.
            QString key = QString::fromStdString(text.out);
            key = key.mid(key.indexOf(QStringLiteral("Ответы.")))
                      .remove(QRegularExpression(QStringLiteral("\\s")));
            QCOMPARE(key.count(QStringLiteral("Ответ:")), answers.size());
            qsizetype at = 0;
            for (QString answer : answers) {
                at = key.indexOf(answer.remove(QLatin1Char(' ')), at);
                QVERIFY2(at >= 0, qPrintable(answer));
            }
            QVERIFY(lines.filter(QStringLiteral("Ответы. Вариант")).size() >= row.variants);

            // Each page: nothing outside the side margins, nor at the very
            // top and bottom.
            const QString prefix = program.Path(QStringLiteral("page"));
            QCOMPARE(RunProgram("pdftoppm",
                                {"-r", "40", "-png", pdf.toStdString(), prefix.toStdString()})
                         .status,
                     0);
            const QStringList pages =
                QDir(program.Path(QString()))
                    .entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name);
            QVERIFY(pages.size() >= 2 * row.variants);
            // Every sheet before the first key.
            QVERIFY(text.out.rfind("Квадратные уравнения. Вариант") < text.out.find("Ответы."));
            // The print button prints the same pages.
            Child<QPushButton>(&dialog, "printButton")->click();
            RunQueuedCommands();
            QCOMPARE(program.platform.printedPages.size(), std::size_t(pages.size()));
            for (const QString& name : pages) {
                const QImage page(program.Path(name));
                QCOMPARE(DrawnInTheBand(page, 40, 18, 6), 0);
            }
        }
    }
};

QTEST_MAIN(WorksheetWindowTest)
#include "worksheet_window_test.moc"
