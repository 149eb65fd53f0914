// The main window driven by key and mouse events over a scripted platform.
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "core/errors.h"
#include "core/solver.h"
#include "plot/main_plot.h"
#include "program_fixture.h"

using parabel::testing::Program;

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

bool PanelIsWhite(parabel::ui::MainWindow& main) {
    for (parabel::Pixel pixel : main.PbSurface().pixels()) {
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

// Typing any characters, one key event each.
void TypeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
    }
}

void TypeAndEnter(Program& program, const QString& text) {
    program.main->Primer->setFocus();
    QTest::keyClicks(program.main->Primer, text);
    QTest::keyClick(program.main->Primer, Qt::Key_Return);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void layoutAsDesigned() {
        Program program;
        program.Show();
        auto& main = *program.main;
        QCOMPARE(main.windowTitle(), QStringLiteral("Parabel v1.0"));
        QCOMPARE(main.centralWidget()->size(), QSize(632, 391));
        QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(main.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(main.minimumSize(), main.maximumSize());
        QCOMPARE(main.Primer->geometry(), QRect(8, 32, 289, 26));
        QCOMPARE(main.Ex->geometry(), QRect(8, 64, 289, 306));
        QCOMPARE(main.Button1->geometry(), QRect(-1000, 376, 97, 25));
        QVERIFY(main.Button1->isDefault());
        QCOMPARE(main.Shape1->geometry(), QRect(304, 32, 322, 338));
        QCOMPARE(main.PB->geometry(), QRect(312, 40, 300, 320));
        QCOMPARE(main.PaintBox1->geometry(), QRect(304, 32, 322, 338));
        QCOMPARE(main.StatusBar1->geometry(), QRect(0, 372, 632, 19));
        QCOMPARE(main.CoolBar1->geometry(), QRect(0, 0, 632, 28));
        QCOMPARE(main.Primer->font().pixelSize(), 16);
        QVERIFY(main.Primer->font().bold());
        QVERIFY(main.Primer->hasFocus());
        // Toolbar buttons 23 pixels apart, separators 8 wide.
        const std::pair<int, int> lefts[] = {{1, 0},   {2, 23},   {3, 46},   {4, 69}, {6, 100},
                                             {7, 123}, {10, 146}, {11, 177}, {9, 208}};
        for (const auto& [number, left] : lefts) {
            QCOMPARE(main.ToolButtons[number - 1]->x(), left);
            QCOMPARE(main.ToolButtons[number - 1]->iconSize(), QSize(16, 16));
        }
        QCOMPARE(main.N12->shortcut(), QKeySequence(Qt::Key_Return));
        QCOMPARE(main.N15->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(main.N9->text(), QStringLiteral("О Прогрмме"));
        QCOMPARE(main.N18->statusTip(),
                 QStringLiteral("Настроить цвет прорисовки функции (Ctrl+W)"));
        // File menu: Решать, Обновить, -, Полноэкранный режим, -, Очистить, -,
        // Сохранить..., Загрузить, -, Выход.
        QStringList captions;
        for (QAction* action : main.N1->actions()) {
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(captions,
                 QStringList({"Решать", "Обновить", "-", "Полноэкранный режим", "-", "Очистить",
                              "-", "Сохранить...", "Загрузить", "-", "Выход"}));
    }

    void typingAndEnterSolvesAndPlots() {
        Program program;
        program.Show();
        auto& main = *program.main;
        TypeAndEnter(program, QStringLiteral("X^2-5X+6"));
        QCOMPARE(main.Primer->text(), QStringLiteral("x^2-5x+6=0"));
        QCOMPARE(ListLines(main.Ex), kSolutionOfXSquaredMinus5XPlus6);
        QVERIFY(main.FSolution.has_value());
        QCOMPARE(ToQt(*main.FSolution),
                 QStringList{QStringLiteral("x^2-5x+6=0")} + kSolutionOfXSquaredMinus5XPlus6);
        QCOMPARE(main.FState.a, 1.0L);
        QCOMPARE(main.FState.b, -5.0L);
        QCOMPARE(main.FState.c, 6.0L);
        QCOMPARE(main.FState.root1, 3.0);
        QCOMPARE(main.FState.root2, 2.0);
        QCOMPARE(main.PbSurface().PixelAt(150, 100), kRed);                // the curve at x = 0
        QCOMPARE(main.PbSurface().PixelAt(0, 160), parabel::kBlackPixel);  // the x-axis
        QVERIFY(program.platform.boxes.empty());
        QCOMPARE(main.Ex->item(0)->icon().isNull(), false);  // the dot before each line
    }

    void enterSolvesOncePerPressWithAnyModifier() {
        // "x^2=0=0" fails once (its "=0" goes); solved a second time, "x^2=0"
        // would give x^2 and succeed.
        for (Qt::KeyboardModifiers modifiers :
             {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
              Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
            Program program;
            program.Show();
            QTest::keyClicks(program.main->Primer, QStringLiteral("x^2=0=0"));
            QTest::keyClick(program.main->Primer, Qt::Key_Return, modifiers);
            QCOMPARE(program.platform.boxes.size(), size_t(1));
            QCOMPARE(program.main->Primer->text(), QStringLiteral("x^2=0"));
        }
    }

    void menuAndToolbarSolveToo() {
        Program program;
        program.Show();
        program.main->Primer->SetText(QStringLiteral("x^2-5x+6"));
        program.main->N12->trigger();
        QCOMPARE(program.main->Ex->count(), 9);
        program.main->Primer->SetText(QStringLiteral("x^2+1"));
        program.main->ToolButtons[5]->click();  // ToolButton6
        QCOMPARE(program.main->Ex->count(), 6);
    }

    void failuresLeaveTheStateAsDescribed() {
        Program program;
        program.Show();
        auto& main = *program.main;
        TypeAndEnter(program, QStringLiteral("x^2-5x+6"));
        const parabel::PlotState before = main.FState;

        main.Primer->SetText(QStringLiteral("5+3=0"));
        QTest::keyClick(main.Primer, Qt::Key_Return);
        QCOMPARE(program.platform.boxes.size(), size_t(1));
        QCOMPARE(program.platform.boxes[0].caption, QStringLiteral("Error"));
        QCOMPARE(program.platform.boxes[0].text, QString::fromUtf8(parabel::kFormMessage));
        QCOMPARE(main.Primer->text(), QStringLiteral("5+3"));
        QCOMPARE(ToQt(*main.FSolution), QStringList{QStringLiteral("5+3=0")});
        QCOMPARE(ListLines(main.Ex), kSolutionOfXSquaredMinus5XPlus6);
        QCOMPARE(main.FState.b, before.b);

        main.Primer->SetText(QStringLiteral("5x+3"));
        QTest::keyClick(main.Primer, Qt::Key_Return);
        QCOMPARE(program.platform.boxes.size(), size_t(2));
        QCOMPARE(program.platform.boxes[1].text,
                 QStringLiteral("Коэффициент выражен в неприемлимом виде."));
        QCOMPARE(main.Primer->text(), QStringLiteral("5x+3"));
        QCOMPARE(ToQt(*main.FSolution), QStringList{QStringLiteral("5x+3=0")});
        QCOMPARE(ListLines(main.Ex), kSolutionOfXSquaredMinus5XPlus6);

        // A fault of the plot: every line, "=0" appended, the state kept.
        main.Primer->SetText(QStringLiteral("1e16x^2"));
        QTest::keyClick(main.Primer, Qt::Key_Return);
        QCOMPARE(program.platform.boxes.size(), size_t(3));
        QCOMPARE(main.Primer->text(), QStringLiteral("1e16x^2=0"));
        QCOMPARE(main.Ex->count(), 7);
        QCOMPARE(main.FSolution->size(), size_t(8));
        QCOMPARE(main.FState.a, 1.0L);
    }

    void clearAndRefresh() {
        Program program;
        program.Show();
        auto& main = *program.main;
        main.N13Click();  // refresh before any solve: nothing
        QVERIFY(PanelIsWhite(main));
        TypeAndEnter(program, QStringLiteral("x^2-5x+6"));
        QTest::keyClick(main.Primer, Qt::Key_A, Qt::ControlModifier);  // Ctrl+A in the field
        QCOMPARE(main.Ex->count(), 0);
        QCOMPARE(main.Primer->text(), QString());
        QVERIFY(PanelIsWhite(main));
        QCOMPARE(main.FState.a, 0.0L);
        QCOMPARE(main.FState.root1, 3.0);  // the roots stay
        QCOMPARE(main.FSolution->size(), size_t(10));
        QTest::keyClick(&main, Qt::Key_F5);  // refresh does nothing now
        QVERIFY(PanelIsWhite(main));

        main.Primer->SetText(QStringLiteral("-x^2+4=0"));
        QTest::keyClick(main.Primer, Qt::Key_Return);
        main.PbSurface().Repaint();
        QTest::keyClick(&main, Qt::Key_F5);
        QCOMPARE(main.PbSurface().PixelAt(150, 120), kRed);  // the vertex
    }

    void exitAsksFirst() {
        Program program;
        program.Show();
        program.platform.yesNoAnswers = {false, true};
        QTest::keyClick(program.main.get(), Qt::Key_E, Qt::ControlModifier);
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
        QTimer::singleShot(0, program.about.get(), [&] {
            QVERIFY(program.about->isVisible());
            main.PbSurface().Repaint();
            program.about->close();
        });
        main.N9Click();
        QCOMPARE(main.PbSurface().PixelAt(150, 100), kRed);  // the About window's own redraw
        QVERIFY(main.Timer1->isActive());
        main.PbSurface().Repaint();
        QTRY_VERIFY_WITH_TIMEOUT(!main.Timer1->isActive(), 2000);
        QCOMPARE(main.PbSurface().PixelAt(150, 100), kRed);  // and the timer's

        // With all coefficients zero the timer only switches itself off.
        main.N2Click();
        QTimer::singleShot(0, program.about.get(), [&] { program.about->close(); });
        main.N9Click();
        QVERIFY(main.Timer1->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!main.Timer1->isActive(), 2000);
        QVERIFY(PanelIsWhite(main));
    }

    void timerWaitsWhileAModalWindowShows() {
        Program program;
        program.Show();
        auto& main = *program.main;
        main.FState.a = 1;
        program.about->show();
        main.Timer1->start();
        main.Timer1Timer();
        QVERIFY(main.Timer1->isActive());
        QVERIFY(PanelIsWhite(main));
        program.about->hide();
        main.Timer1Timer();
        QVERIFY(!main.Timer1->isActive());
        QVERIFY(!PanelIsWhite(main));
    }

    void hintsGoToTheStatusPanel() {
        Program program;
        program.Show();
        auto& main = *program.main;
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(main.Primer, &enter);
        QCOMPARE(main.StatusPanel->text(),
                 QStringLiteral("Введите в это поле уравнение вида Ax^2+Bx+C=0"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(main.Primer, &leave);
        QCOMPARE(main.StatusPanel->text(), QString());
        QApplication::sendEvent(main.ToolButtons[10], &enter);  // ToolButton11
        QCOMPARE(main.StatusPanel->text(),
                 QStringLiteral("Краткое руководство по пользованию программы (F1)"));
        main.N9->showStatusText(main.menuBar());
        QCOMPARE(main.StatusPanel->text(),
                 QStringLiteral("Краткое руководство по пользованию программы"));
        MovePointer(main.PaintBox1, QPoint(158, 168));
        QCOMPARE(main.StatusPanel->text(), QStringLiteral("График функции [0;0]"));
        QVERIFY(main.Primer->toolTip().isEmpty());
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
            MovePointer(main.PaintBox1, point);
            QCOMPARE(main.StatusPanel->text(), text);
        }
    }

    void escapedErrorsReachTheGeneralReport() {
        Program program;
        program.Show();
        auto& main = *program.main;
        main.FState.a = 1e16L;  // the panel's first point cannot be rounded
        QTest::keyClick(&main, Qt::Key_F5);
        QCOMPARE(program.platform.boxes.size(), size_t(1));
        QCOMPARE(program.platform.boxes[0].caption, QStringLiteral("Parabel"));
        QCOMPARE(program.platform.boxes[0].text,
                 QStringLiteral("Invalid floating point operation."));
        QVERIFY(main.isVisible());  // and the program goes on
        QCOMPARE(parabel::ui::AppContext::titleFromFileName("/usr/bin/PARABEL.EXE"),
                 QStringLiteral("Parabel"));
        QCOMPARE(parabel::ui::AppContext::withFinalDot("List index out of bounds (0)"),
                 QStringLiteral("List index out of bounds (0)"));
        QCOMPARE(parabel::ui::AppContext::withFinalDot("Stream write error"),
                 QStringLiteral("Stream write error."));
    }

    void commaSeparatorReadsAndShowsCommas() {
        Program program;
        program.Show();
        auto& main = *program.main;
        parabel::SetDecimalSeparator(',');
        TypeAndEnter(program, QStringLiteral("0,5x^2-2"));
        QVERIFY(program.platform.boxes.empty());
        QCOMPARE(main.Ex->item(2)->text(), QStringLiteral("D=(0)^2-4*(0,5)*(-2)=4"));
        MovePointer(main.PaintBox1, QPoint(0, 0));
        QCOMPARE(main.StatusPanel->text(), QStringLiteral("График функции [-15,8;16,8]"));
        main.Primer->SetText(QStringLiteral("0.5x^2-2"));
        QTest::keyClick(main.Primer, Qt::Key_Return);
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

    void equationFieldHoldsLowerCaseWindows1251Text() {
        Program program;
        program.Show();
        auto& main = *program.main;
        TypeText(main.Primer, QStringLiteral("ABC ЯЁ"));
        QCOMPARE(main.Primer->text(), QStringLiteral("abc яё"));
        main.Primer->SetText(QStringLiteral("X²+Ω1"));
        QCOMPARE(main.Primer->text(), QStringLiteral("x+1"));
        main.Primer->clear();
        main.Primer->insert(QStringLiteral("Z日本"));
        QCOMPARE(main.Primer->text(), QStringLiteral("z"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
