// The main window driven by key and mouse events over a scripted platform.
#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>
#include <string_view>

#include "app/equation_field.h"
#include "core/arithmetic_environment.h"
#include "core/errors.h"
#include "core/solver.h"
#include "plot/main_plot.h"
#include "program_fixture.h"
#include "support/described_texts.h"

using parabel::testing::Child;
using parabel::testing::Program;
using parabel::testing::RunQueuedCommands;
using parabel::testing::WindowProbe;

using parabel::testing::kConversionMessage;
using parabel::testing::kEquationTooLongMessage;
using parabel::testing::kFormMessage;

namespace {


QStringList ListLines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}

QStringList ToQt(const std::vector<std::string>& lines) {
    QStringList result;
    for (const std::string& line : lines) {
        result << QString::fromStdString(line);
    }
    return result;
}

const QString kSep = QStringLiteral("__________________________");

const QStringList kSolutionOfXSquaredMinus5XPlus6 = {
    QStringLiteral("Решение"),
    kSep,
    QStringLiteral("D=(-5)^2-4*(1)*(6)=1"),
    QStringLiteral("D>0 - Два корня."),
    QStringLiteral("x(1,2)=((5)±(1^(1/2)))/(2*(1))"),
    QStringLiteral("x(1)=3"),
    QStringLiteral("x(2)=2"),
    kSep,
    QStringLiteral("Ответ: x(1)=3 ; x(2)=2"),
};

constexpr parabel::Pixel kRed = 0xFFFF0000;

bool PanelIsWhite(const parabel::ui::MainWindow& main) {
    for (parabel::Pixel pixel : main.panel().pixels()) {
        if (pixel != parabel::kWhitePixel) {
            return false;
        }
    }
    return true;
}

// A pointer move over a widget, at a point of its own.
void MovePointer(QWidget* widget, QPoint point) {
    QMouseEvent move(QEvent::MouseMove, QPointF(point), widget->mapToGlobal(QPointF(point)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

#if defined(__x86_64__) || defined(__i386__)
void LowerThePrecision() {
    const std::uint16_t doublePrecision = 0x027F;  // 53-bit significand
    asm volatile("fldcw %0" : : "m"(doublePrecision));
}
#endif

// Typing whole characters, one key event each, as an input method sends a
// character beyond 16 bits.
void TypeCodePoints(QWidget* widget, const QString& text) {
    for (const char32_t codePoint : text.toUcs4()) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&codePoint, 1));
        QApplication::sendEvent(widget, &press);
    }
}

// Typing any characters, one key event each.
void TypeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
    }
}

void TypeAndEnter(Program& program, const QString& text) {
    program.Field()->setFocus();
    QTest::keyClicks(program.Field(), text);
    QTest::keyClick(program.Field(), Qt::Key_Return);
    RunQueuedCommands();
}

// The field's drop-down list of the equations solved, and its rows.
QAbstractItemView* HistoryList(const Program& program) {
    // A window of its own while open, found through the field's completer.
    return Child<QCompleter>(program.main.get(), "historyList")->popup();
}

QStringList Rows(const QAbstractItemView* list) {
    QStringList rows;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        rows << list->model()->index(row, 0).data().toString();
    }
    return rows;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void layoutAsDesigned() {
        const QFont applicationFont = QApplication::font();
        Program program;
        program.Show();
        auto& main = *program.main;
        QCOMPARE(main.windowTitle(), QStringLiteral("Parabel v1.0"));
        QCOMPARE(main.centralWidget()->size(), QSize(632, 391));
        QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(main.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(main.minimumSize(), main.maximumSize());
        const std::pair<const char*, QRect> places[] = {
            {"equationEdit", QRect(8, 32, 289, 26)},    {"solutionList", QRect(8, 64, 289, 306)},
            {"solveButton", QRect(-1000, 376, 97, 25)}, {"plotArea", QRect(304, 32, 322, 338)},
            {"statusBar", QRect(0, 372, 632, 19)},      {"toolBand", QRect(0, 0, 632, 28)},
        };
        for (const auto& [name, geometry] : places) {
            QCOMPARE(Child<QWidget>(&main, name)->geometry(), geometry);
        }
        QVERIFY(Child<QPushButton>(&main, "solveButton")->isDefault());
        QCOMPARE(program.Field()->font().pixelSize(), 16);
        QVERIFY(program.Field()->font().bold());
        // The window's fonts are its own: Qt's dialogs keep the application's.
        QCOMPARE(QApplication::font(), applicationFont);
        QVERIFY(program.Field()->hasFocus());
        // Toolbar buttons 23 pixels apart, separators 8 wide.
        const std::pair<const char*, int> lefts[] = {
            {"clearToolButton", 0},        {"loadToolButton", 23},   {"saveSolutionToolButton", 46},
            {"savePlotToolButton", 69},    {"solveToolButton", 100}, {"refreshToolButton", 123},
            {"fullScreenToolButton", 146}, {"aboutToolButton", 177}, {"exitToolButton", 208},
            {"printToolButton", 239}};
        for (const auto& [name, left] : lefts) {
            QCOMPARE(program.ToolButton(name)->x(), left);
            QCOMPARE(program.ToolButton(name)->iconSize(), QSize(16, 16));
            QVERIFY(!program.ToolButton(name)->icon().isNull());
        }
        QCOMPARE(program.Action("solveAction")->shortcut(), QKeySequence(Qt::Key_Return));
        QCOMPARE(program.Action("fullScreenAction")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(program.Action("aboutAction")->text(), QStringLiteral("О Прогрмме"));
        QCOMPARE(program.Action("curveColorAction")->statusTip(),
                 QStringLiteral("Настроить цвет прорисовки функции (Ctrl+W)"));
        // File menu: Решать, Обновить, -, Полноэкранный режим, -, Очистить, -,
        // Сохранить..., Загрузить, -, Выход, with save as PDF and print
        // beside the save commands and the worksheet after print; no images in
        // the menus.
        QStringList captions;
        for (QAction* action : main.menuBar()->actions().front()->menu()->actions()) {
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
            QVERIFY(action->icon().isNull());
        }
        QCOMPARE(captions,
                 QStringList({"Решать", "Обновить", "-", "Полноэкранный режим", "-", "Очистить",
                              "-", "Сохранить...", "Сохранить в PDF...", "Загрузить", "-",
                              "Печать...", "Лист заданий...", "-", "Выход"}));
        QCOMPARE(program.Action("printAction")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    }

    void typingAndEnterSolvesAndPlots() {
        Program program;
        program.Show();
        auto& main = *program.main;
        TypeAndEnter(program, QStringLiteral("X^2-5X+6"));
        QCOMPARE(program.Field()->text(), QStringLiteral("x^2-5x+6=0"));
        QCOMPARE(ListLines(program.List()), kSolutionOfXSquaredMinus5XPlus6);
        QVERIFY(main.savedSolution().has_value());
        QCOMPARE(ToQt(*main.savedSolution()),
                 QStringList{QStringLiteral("x^2-5x+6=0")} + kSolutionOfXSquaredMinus5XPlus6);
        QCOMPARE(main.plotState().a, parabel::Extended(1));
        QCOMPARE(main.plotState().b, -parabel::Extended(5));
        QCOMPARE(main.plotState().c, parabel::Extended(6));
        QCOMPARE(main.plotState().root1, 3.0);
        QCOMPARE(main.plotState().root2, 2.0);
        QCOMPARE(main.panel().PixelAt(150, 100), kRed);                // the curve at x = 0
        QCOMPARE(main.panel().PixelAt(0, 160), parabel::kBlackPixel);  // the x-axis
        QVERIFY(program.platform.boxes.empty());
        QCOMPARE(program.List()->item(0)->icon().isNull(), false);  // the dot before each line
    }

    void enterSolvesOncePerPressWithAnyModifier() {
        // "x^2=0=0" fails once (its "=0" goes); solved a second time, "x^2=0"
        // would give x^2 and succeed.
        for (Qt::KeyboardModifiers modifiers :
             {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
              Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
            Program program;
            program.Show();
            QTest::keyClicks(program.Field(), QStringLiteral("x^2=0=0"));
            QTest::keyClick(program.Field(), Qt::Key_Return, modifiers);
            RunQueuedCommands();
            QCOMPARE(program.platform.boxes.size(), size_t(1));
            QCOMPARE(program.Field()->text(), QStringLiteral("x^2=0"));
        }
    }

    void menuAndToolbarSolveToo() {
        Program program;
        program.Show();
        program.Field()->setEquation(QStringLiteral("x^2-5x+6"));
        program.Action("solveAction")->trigger();
        RunQueuedCommands();
        QCOMPARE(program.List()->count(), 9);
        program.Field()->setEquation(QStringLiteral("x^2+1"));
        program.ToolButton("solveToolButton")->click();
        RunQueuedCommands();
        QCOMPARE(program.List()->count(), 6);
    }

    void failuresLeaveTheStateAsDescribed() {
        Program program;
        program.Show();
        auto& main = *program.main;
        TypeAndEnter(program, QStringLiteral("x^2-5x+6"));
        const parabel::PlotState before = main.plotState();

        program.Field()->setEquation(QStringLiteral("5+3=0"));
        QTest::keyClick(program.Field(), Qt::Key_Return);
        RunQueuedCommands();
        QCOMPARE(program.platform.boxes.size(), size_t(1));
        QCOMPARE(program.platform.boxes[0].caption, QStringLiteral("Error"));
        QCOMPARE(program.platform.boxes[0].text, QString::fromUtf8(kFormMessage));
        QCOMPARE(program.Field()->text(), QStringLiteral("5+3"));
        QCOMPARE(ToQt(*main.savedSolution()), QStringList{QStringLiteral("5+3=0")});
        QCOMPARE(ListLines(program.List()), kSolutionOfXSquaredMinus5XPlus6);
        QCOMPARE(main.plotState().b, before.b);

        program.Field()->setEquation(QStringLiteral("5x+3"));
        QTest::keyClick(program.Field(), Qt::Key_Return);
        RunQueuedCommands();
        QCOMPARE(program.platform.boxes.size(), size_t(2));
        QCOMPARE(program.platform.boxes[1].text,
                 QStringLiteral("Коэффициент выражен в неприемлимом виде."));
        QCOMPARE(program.Field()->text(), QStringLiteral("5x+3"));
        QCOMPARE(ToQt(*main.savedSolution()), QStringList{QStringLiteral("5x+3=0")});
        QCOMPARE(ListLines(program.List()), kSolutionOfXSquaredMinus5XPlus6);

        // A fault of the plot: every line, "=0" appended, the state kept.
        program.Field()->setEquation(QStringLiteral("1e16x^2"));
        QTest::keyClick(program.Field(), Qt::Key_Return);
        RunQueuedCommands();
        QCOMPARE(program.platform.boxes.size(), size_t(3));
        QCOMPARE(program.Field()->text(), QStringLiteral("1e16x^2=0"));
        QCOMPARE(program.List()->count(), 7);
        QCOMPARE(main.savedSolution()->size(), size_t(8));
        QCOMPARE(main.plotState().a, parabel::Extended(1));

        // A root overflows: the list shows the head lines, as they are saved.
        program.Field()->setEquation(QStringLiteral("1e-4000x^2+1e1000x+1"));
        QTest::keyClick(program.Field(), Qt::Key_Return);
        RunQueuedCommands();
        QCOMPARE(program.platform.boxes.size(), size_t(4));
        QCOMPARE(program.List()->count(), 3);
        QCOMPARE(ListLines(program.List()), ToQt(*main.savedSolution()).mid(1));
    }

    void clearAndRefresh() {
        Program program;
        program.Show();
        auto& main = *program.main;
        main.refresh();  // refresh before any solve: nothing
        QVERIFY(PanelIsWhite(main));
        TypeAndEnter(program, QStringLiteral("x^2-5x+6"));
        QTest::keyClick(program.Field(), Qt::Key_A, Qt::ControlModifier);
        RunQueuedCommands();  // Ctrl+A in the field
        QCOMPARE(program.List()->count(), 0);
        QCOMPARE(program.Field()->text(), QString());
        QVERIFY(PanelIsWhite(main));
        QCOMPARE(main.plotState().a, parabel::Extended(0));
        QCOMPARE(main.plotState().root1, 3.0);  // the roots stay
        QCOMPARE(main.savedSolution()->size(), size_t(10));
        QTest::keyClick(&main, Qt::Key_F5);
        RunQueuedCommands();  // refresh does nothing now
        QVERIFY(PanelIsWhite(main));

        program.Field()->setEquation(QStringLiteral("-x^2+4=0"));
        QTest::keyClick(program.Field(), Qt::Key_Return);
        RunQueuedCommands();
        WindowProbe::Panel(main).Repaint();
        QTest::keyClick(&main, Qt::Key_F5);
        RunQueuedCommands();
        QCOMPARE(main.panel().PixelAt(150, 120), kRed);  // the vertex
    }

    void exitAsksFirst() {
        Program program;
        program.Show();
        program.platform.yesNoAnswers = {false, true};
        QTest::keyClick(program.main.get(), Qt::Key_E, Qt::ControlModifier);
        RunQueuedCommands();
        QCOMPARE(program.platform.boxes.size(), size_t(1));
        QCOMPARE(program.platform.boxes[0].caption, QStringLiteral("Выход"));
        QCOMPARE(program.platform.boxes[0].text,
                 QStringLiteral("Подтверждаете выход из программы ?"));
        QVERIFY(program.platform.boxes[0].question);
        QVERIFY(program.main->isVisible());
        program.main->close();  // the title bar's close button goes the same way
        QCOMPARE(program.platform.boxes.size(), size_t(2));
        QVERIFY(!program.main->isVisible());
    }

    void timerRedrawsAfterAModalWindowAndStops() {
        Program program;
        program.Show();
        auto& main = *program.main;
        TypeAndEnter(program, QStringLiteral("x^2-5x+6"));
        QTimer::singleShot(0, program.About(), [&] {
            QVERIFY(program.About()->isVisible());
            WindowProbe::Panel(main).Repaint();
            program.About()->close();
        });
        main.showAbout();
        QCOMPARE(main.panel().PixelAt(150, 100), kRed);  // the About window's own redraw
        QVERIFY(program.RedrawTimer()->isActive());
        WindowProbe::Panel(main).Repaint();
        QTRY_VERIFY_WITH_TIMEOUT(!program.RedrawTimer()->isActive(), 2000);
        QCOMPARE(main.panel().PixelAt(150, 100), kRed);  // and the timer's

        // With all coefficients zero the timer only switches itself off.
        main.clearAll();
        QTimer::singleShot(0, program.About(), [&] { program.About()->close(); });
        main.showAbout();
        QVERIFY(program.RedrawTimer()->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!program.RedrawTimer()->isActive(), 2000);
        QVERIFY(PanelIsWhite(main));
    }

    void timerWaitsWhileAModalWindowShows() {
        Program program;
        program.Show();
        auto& main = *program.main;
        WindowProbe::State(main).a = 1;
        program.About()->show();
        program.RedrawTimer()->start();
        main.redrawAfterModal();
        QVERIFY(program.RedrawTimer()->isActive());
        QVERIFY(PanelIsWhite(main));
        program.About()->hide();
        main.redrawAfterModal();
        QVERIFY(!program.RedrawTimer()->isActive());
        QVERIFY(!PanelIsWhite(main));
    }

    void hintsGoToTheStatusPanel() {
        Program program;
        program.Show();
        auto& main = *program.main;
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(program.Field(), &enter);
        QCOMPARE(program.Status()->text(),
                 QStringLiteral("Введите в это поле уравнение вида Ax^2+Bx+C=0"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(program.Field(), &leave);
        QCOMPARE(program.Status()->text(), QString());
        QApplication::sendEvent(program.ToolButton("aboutToolButton"), &enter);
        QCOMPARE(program.Status()->text(),
                 QStringLiteral("Краткое руководство по пользованию программы (F1)"));
        program.Action("aboutAction")->showStatusText(main.menuBar());
        QCOMPARE(program.Status()->text(),
                 QStringLiteral("Краткое руководство по пользованию программы"));
        MovePointer(Child<QWidget>(&main, "plotArea"), QPoint(158, 168));
        QCOMPARE(program.Status()->text(), QStringLiteral("График функции [0;0]"));
        QVERIFY(program.Field()->toolTip().isEmpty());
    }

    void pointerReadOutAtTheCorners() {
        Program program;
        program.Show();
        auto& main = *program.main;
        const std::pair<QPoint, QString> rows[] = {
            {QPoint(0, 0), QStringLiteral("График функции [-15.8;16.8]")},
            {QPoint(321, 337), QStringLiteral("График функции [16.3;-16.9]")},
            {QPoint(321, 0), QStringLiteral("График функции [16.3;16.8]")},
            {QPoint(0, 337), QStringLiteral("График функции [-15.8;-16.9]")},
        };
        for (const auto& [point, text] : rows) {
            MovePointer(Child<QWidget>(&main, "plotArea"), point);
            QCOMPARE(program.Status()->text(), text);
        }
    }

    void escapedErrorsReachTheGeneralReport() {
        Program program;
        program.Show();
        auto& main = *program.main;
        WindowProbe::State(main).a =
            parabel::Extended(10000000000000000);  // the panel's first point cannot be rounded
        QTest::keyClick(&main, Qt::Key_F5);
        RunQueuedCommands();
        QCOMPARE(program.platform.boxes.size(), size_t(1));
        QCOMPARE(program.platform.boxes[0].caption, QStringLiteral("Parabel"));
        QCOMPARE(program.platform.boxes[0].text,
                 QStringLiteral("Invalid floating point operation."));
        QVERIFY(main.isVisible());  // and the program goes on
        QCOMPARE(parabel::ui::AppContext::titleFromFileName("/usr/bin/PARABEL.EXE"),
                 QStringLiteral("Parabel"));
        // Whatever escapes a handler shows as every other box of the program.
        const struct {
            const char* escaped;
            QString shown;
        } rows[] = {
            {"List index out of bounds (0)", "List index out of bounds (0)"},
            {"Stream write error", "Stream write error."},
            // A file's name from an old archive, in Windows-1251 bytes.
            {"Cannot open file \"\xF3\xF0.txt\"", "Cannot open file \"ур.txt\""},
        };
        for (const auto& row : rows) {
            program.platform.boxes.clear();
            program.context->guard([&] { throw std::runtime_error(row.escaped); });
            QCOMPARE(program.platform.boxes.size(), size_t(1));
            QCOMPARE(program.platform.boxes[0].caption, QStringLiteral("Parabel"));
            QCOMPARE(program.platform.boxes[0].text, row.shown);
        }
    }

    void commaSeparatorReadsAndShowsCommas() {
        Program program;
        program.Show();
        auto& main = *program.main;
        parabel::SetDecimalSeparator(',');
        TypeAndEnter(program, QStringLiteral("0,5x^2-2"));
        QVERIFY(program.platform.boxes.empty());
        QCOMPARE(program.List()->item(2)->text(), QStringLiteral("D=(0)^2-4*(0,5)*(-2)=4"));
        MovePointer(Child<QWidget>(&main, "plotArea"), QPoint(0, 0));
        QCOMPARE(program.Status()->text(), QStringLiteral("График функции [-15,8;16,8]"));
        program.Field()->setEquation(QStringLiteral("0.5x^2-2"));
        QTest::keyClick(program.Field(), Qt::Key_Return);
        RunQueuedCommands();
        QCOMPARE(program.platform.boxes.size(), size_t(1));
        QCOMPARE(program.platform.boxes[0].text,
                 QStringLiteral("Коэффициент выражен в неприемлимом виде."));
    }

    void localeChangeReadsTheSeparatorAgain() {
        Program program;
        parabel::SetDecimalSeparator(',');
        qputenv("LC_ALL", "C");
        QEvent change(QEvent::LocaleChange);
        QApplication::sendEvent(program.main.get(), &change);
        QCOMPARE(parabel::DecimalSeparator(), '.');
    }

    // The texts that the page's and parabel-cli's tests take too: typed key by
    // key, pasted, or loaded from a UTF-8 file, each is the same equation. A
    // text with a line break is only pasted: typed, its break would be Enter,
    // and a file's first line ends there.
    void typedPastedAndLoadedTextIsTheSameEquation() {
        QFile table(QStringLiteral(PARABEL_FIELD_TEXTS));
        QVERIFY(table.open(QIODevice::ReadOnly));
        const QJsonArray rows = QJsonDocument::fromJson(table.readAll()).array();
        QVERIFY(rows.size() >= 10);
        for (const QJsonValue& value : rows) {
            const QJsonObject row = value.toObject();
            const QString text = row[QStringLiteral("text")].toString();
            const bool pastedOnly = row[QStringLiteral("pasted_only")].toBool();
            for (const char* way : {"typed", "pasted", "loaded"}) {
                if (pastedOnly && way != std::string_view("pasted")) {
                    continue;
                }
                Program program;
                program.Show();
                program.Field()->setFocus();
                if (way == std::string_view("typed")) {
                    TypeCodePoints(program.Field(), text);
                    QTest::keyClick(program.Field(), Qt::Key_Return);
                } else if (way == std::string_view("pasted")) {
                    QGuiApplication::clipboard()->setText(text);
                    QTest::keyClick(program.Field(), Qt::Key_V, Qt::ControlModifier);
                    QTest::keyClick(program.Field(), Qt::Key_Return);
                } else {
                    const QString path = program.Path(QStringLiteral("equation.txt"));
                    QFile file(path);
                    QVERIFY(file.open(QIODevice::WriteOnly));
                    file.write("\xEF\xBB\xBF" + text.toUtf8() + "\r\n");
                    file.close();
                    program.platform.fileAnswers = {path};
                    QTest::keyClick(program.main.get(), Qt::Key_L, Qt::ControlModifier);
                }
                RunQueuedCommands();
                const QString context = row[QStringLiteral("note")].toString() + " / " + way;
                QVERIFY2(program.Field()->text() == row[QStringLiteral("field")].toString(),
                         qPrintable(context + ": " + program.Field()->text()));
                if (row.contains(QStringLiteral("answer"))) {
                    QVERIFY2(program.platform.boxes.empty(), qPrintable(context));
                    QVERIFY2(program.List()->count() > 0 &&
                                 program.List()->item(program.List()->count() - 1)->text() ==
                                     row[QStringLiteral("answer")].toString(),
                             qPrintable(context));
                } else {
                    QVERIFY2(
                        program.platform.boxes.size() == 1 &&
                            program.platform.boxes[0].text == QString::fromUtf8(kConversionMessage),
                        qPrintable(context));
                }
            }
        }
    }

    // A text longer than the field holds, pasted, given on the command line
    // (-e), loaded or typed into a full field, is refused whole with the
    // model's box: the field keeps what it had and nothing is solved.
    void aTextLongerThanTheFieldIsRefusedWhole() {
        const auto equation = [](qsizetype length) {  // x^2-5x+6, zeros before the 6
            return QStringLiteral("x^2-5x+") + QString(length - 8, u'0') + u'6';
        };
        const QString longer = equation(100000);
        const QString longest = equation(parabel::kEquationFieldMaxLength - 2);  // and "=0"
        Program program;
        program.Show();
        TypeAndEnter(program, QStringLiteral("x^2-4"));
        const QString path = program.Path(QStringLiteral("long.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(longer.toUtf8() + "\r\n");
        file.close();
        program.platform.fileAnswers = {path};
        const std::function<void()> ways[] = {
            [&] {
                QGuiApplication::clipboard()->setText(longer);
                QTest::keyClick(program.Field(), Qt::Key_V, Qt::ControlModifier);
            },
            [&] { program.main->solveEquation(longer); },
            [&] { QTest::keyClick(program.main.get(), Qt::Key_L, Qt::ControlModifier); },
        };
        for (const auto& way : ways) {
            program.platform.boxes.clear();
            way();
            RunQueuedCommands();
            QCOMPARE(program.Field()->text(), QStringLiteral("x^2-4=0"));
            QCOMPARE(program.List()->item(program.List()->count() - 1)->text(),
                     QStringLiteral("Ответ: x(1)=2 ; x(2)=-2"));
            QCOMPARE(program.platform.boxes.size(), size_t(1));
            QCOMPARE(program.platform.boxes[0].text, QString::fromUtf8(kEquationTooLongMessage));
        }
        // The longest equation fills the field with its "=0"; one key more is refused.
        program.platform.boxes.clear();
        program.main->solveEquation(longest);
        RunQueuedCommands();
        QCOMPARE(program.Field()->text(), longest + QStringLiteral("=0"));
        QVERIFY(program.platform.boxes.empty());
        QTest::keyClick(program.Field(), Qt::Key_0);
        RunQueuedCommands();
        QCOMPARE(program.Field()->text(), longest + QStringLiteral("=0"));
        QCOMPARE(program.platform.boxes.size(), size_t(1));
    }

#if defined(__x86_64__) || defined(__i386__)
    // A library loaded into the program (a plug-in, a driver, one preloaded)
    // may lower the x87's precision: each command and each dialog sets the
    // program's arithmetic again.
    void aLoweredPrecisionChangesNoResult() {
        Program program;
        program.Show();
        LowerThePrecision();
        program.Solve(QStringLiteral("x^2+x-1"));
        QCOMPARE(program.List()->item(8)->text(),
                 QStringLiteral("Ответ: x(1)=0.618033988749895 ; x(2)=-1.61803398874989"));
        program.platform.duringEachCall = LowerThePrecision;
        for (const auto key : {Qt::Key_W, Qt::Key_S, Qt::Key_G, Qt::Key_L}) {
            QTest::keyClick(program.main.get(), key, Qt::ControlModifier);
            RunQueuedCommands();
            QVERIFY2(parabel::ProgramArithmeticInUse(), qPrintable(QKeySequence(key).toString()));
        }
    }
#endif

    // The equations solved: Up and Down in the field, the drop-down at its
    // end, the command that clears them, and the file that keeps them for
    // the next run (a damaged one is replaced, never shown).
    void theFieldRemembersTheEquationsSolved() {
        QByteArray kept;
        {
            Program program(QByteArray(), false, QByteArray("x^2\xFF\n"));  // damaged
            program.Show();
            for (const char* typed : {"x^2-1", "5+3", "x^2-4", "x^2-9"}) {
                TypeAndEnter(program, QString::fromUtf8(typed));
                program.Field()->clear();
            }
            QCOMPARE(program.platform.boxes.size(), size_t(1));  // the form message, only
            TypeText(program.Field(), QStringLiteral("x^2+"));
            const std::pair<Qt::Key, const char*> walk[] = {
                {Qt::Key_Up, "x^2-9=0"}, {Qt::Key_Up, "x^2-4=0"},   {Qt::Key_Up, "x^2-1=0"},
                {Qt::Key_Up, "x^2-1=0"}, {Qt::Key_Down, "x^2-4=0"}, {Qt::Key_Down, "x^2-9=0"},
                {Qt::Key_Down, "x^2+"},  {Qt::Key_Down, "x^2+"},
            };
            for (const auto& [key, shown] : walk) {
                QTest::keyClick(program.Field(), key);
                QCOMPARE(program.Field()->text(), QString::fromUtf8(shown));
            }
            // An edit ends the walk: Up starts from the newest again.
            QTest::keyClick(program.Field(), Qt::Key_Up);
            TypeText(program.Field(), QStringLiteral("1"));
            QTest::keyClick(program.Field(), Qt::Key_Up);
            QCOMPARE(program.Field()->text(), QStringLiteral("x^2-9=0"));

            // Alt+Down: the drop-down list, newest first, the first
            // highlighted; choosing puts it in the field.
            QTest::keyClick(program.Field(), Qt::Key_Down, Qt::AltModifier);
            RunQueuedCommands();
            QAbstractItemView* list = HistoryList(program);
            QVERIFY(list->isVisible());
            QCOMPARE(Rows(list), QStringList({"x^2-9=0", "x^2-4=0", "x^2-1=0"}));
            QCOMPARE(list->currentIndex().row(), 0);
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
            QVERIFY(!list->isVisible());
            QCOMPARE(program.Field()->text(), QStringLiteral("x^2-4=0"));
            QVERIFY(program.Field()->hasFocus());
            QFile file(program.HistoryPath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            kept = file.readAll();
            QCOMPARE(kept, QByteArray("x^2-9=0\nx^2-4=0\nx^2-1=0\n"));
        }
        // The next run finds them; clearing empties the list and the file.
        Program program(QByteArray(), false, kept);
        program.Show();
        QTest::keyClick(program.Field(), Qt::Key_Up);
        QCOMPARE(program.Field()->text(), QStringLiteral("x^2-9=0"));
        program.Action("clearHistoryAction")->trigger();
        RunQueuedCommands();
        program.Field()->clear();
        QTest::keyClick(program.Field(), Qt::Key_Up);
        QCOMPARE(program.Field()->text(), QString());
        QFile file(program.HistoryPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray());
        QVERIFY(program.platform.boxes.empty());
        // The arrow at the field's end: with none solved the list says so.
        program.Action("historyAction")->trigger();
        RunQueuedCommands();
        QAbstractItemView* list = HistoryList(program);
        QCOMPARE(Rows(list), QStringList({"Решённых уравнений нет"}));
        QCOMPARE(list->model()->flags(list->model()->index(0, 0)), Qt::NoItemFlags);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible());
    }

    // Fifty equations: one column under the field, ten rows high, and a
    // scroll bar to the rest.
    void theFullHistoryListsInAColumnOfBoundedHeight() {
        QByteArray fifty;
        for (int i = 1; i <= 50; ++i) {
            fifty += QByteArray("x^2-") + QByteArray::number(i) + "=0\n";
        }
        Program program(QByteArray(), false, fifty);
        program.Show();
        program.Action("historyAction")->trigger();
        RunQueuedCommands();
        QAbstractItemView* list = HistoryList(program);
        QCOMPARE(list->model()->rowCount(), 50);
        QCOMPARE(list->model()->columnCount(), 1);
        const QRect field(program.Field()->mapToGlobal(QPoint(0, 0)), program.Field()->size());
        const QRect shown = list->geometry();
        QCOMPARE(shown.left(), field.left());
        QCOMPARE(shown.width(), field.width());
        QVERIFY2(shown.top() >= field.bottom() && shown.height() <= 11 * list->sizeHintForRow(0),
                 qPrintable(QStringLiteral("%1 high at %2").arg(shown.height()).arg(shown.top())));
        QVERIFY(list->verticalScrollBar()->isVisible());
        QTest::keyClick(list, Qt::Key_End);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(program.Field()->text(), QStringLiteral("x^2-50=0"));
    }

    void typingKeepsTheCursorAfterWhatWasTyped() {
        Program program;
        program.Show();
        TypeText(program.Field(), QStringLiteral("ABC ЯЁ"));
        QCOMPARE(program.Field()->text(), QStringLiteral("abc яё"));
        program.Field()->setCursorPosition(1);
        TypeCodePoints(program.Field(), QStringLiteral("²−😀"));
        QCOMPARE(program.Field()->text(), QStringLiteral("a^2-?bc яё"));
        QCOMPARE(program.Field()->cursorPosition(), 5);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
