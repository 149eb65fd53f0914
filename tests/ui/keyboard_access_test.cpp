// The windows for keyboards and screen readers: the accessibility tree under
// the offscreen platform, the Tab order, the menus' Alt keys and "²" in the
// equation field.
#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "program_fixture.h"

using parabel::testing::Child;
using parabel::testing::Program;

namespace {

QString Accessible(QWidget* widget, QAccessible::Text text) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    return node != nullptr ? node->text(text) : QStringLiteral("(none)");
}

QString PlotDescription(QWidget* window) {
    return Accessible(Child<QWidget>(window, "pointerArea"), QAccessible::Description);
}

void TypeAndEnter(Program& program, const QString& text) {
    program.Field()->setFocus();
    program.Field()->clear();
    QTest::keyClicks(program.Field(), text);
    QTest::keyClick(program.Field(), Qt::Key_Return);
}

}  // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsHaveNamesAndDescriptions() {
        Program program;
        const struct {
            const char* control;
            QString name;
            QString description;
        } rows[] = {
            {"clearToolButton", "Очистить", "Очистить (Ctrl+A)"},
            {"loadToolButton", "Загрузить", "Загрузить (Ctrl+L)"},
            {"saveSolutionToolButton", "Сохранить решение", "Сохранить решение (Ctrl+S)"},
            {"savePlotToolButton", "Сохранить график", "Сохранить график (Ctrl+G)"},
            {"solveToolButton", "Решать !!!", "Решать !!!"},
            {"refreshToolButton", "Обновить", "Обновить (F5)"},
            {"fullScreenToolButton", "Вход в полноэкранный режим построения графика",
             "Вход в полноэкранный режим построения графика (Ctrl+P)"},
            {"aboutToolButton", "Краткое руководство по пользованию программы",
             "Краткое руководство по пользованию программы (F1)"},
            {"exitToolButton", "Выход из программы", "Выход из программы (Ctrl+E)"},
            {"equationEdit", "Уравнение", "Введите в это поле уравнение вида Ax^2+Bx+C=0"},
            {"solutionList", "Решение", "Ход решения уравнения; Ctrl+C копирует решение целиком"},
            {"pointerArea", "График", "нет графика"},
        };
        for (const auto& row : rows) {
            QWidget* control = Child<QWidget>(program.main.get(), row.control);
            QCOMPARE(Accessible(control, QAccessible::Name), row.name);
            QCOMPARE(Accessible(control, QAccessible::Description), row.description);
        }
        // Whatever a user can press or type into has a name, in every window.
        for (QWidget* window :
             {static_cast<QWidget*>(program.main.get()), static_cast<QWidget*>(program.fullScreen),
              static_cast<QWidget*>(program.About())}) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (control->objectName().startsWith(QStringLiteral("qt_"))) {
                    continue;  // Qt's own, such as the menu bar's button for items that do not fit
                }
                if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                    control->objectName() == QStringLiteral("pointerArea")) {
                    QVERIFY2(!Accessible(control, QAccessible::Name).isEmpty(),
                             qPrintable(control->objectName()));
                }
            }
        }
    }

    void plotDescriptionFollowsWhatThePlotShows() {
        Program program;
        program.Show();
        auto* main = program.main.get();
        QCOMPARE(PlotDescription(main), QStringLiteral("нет графика"));
        TypeAndEnter(program, QStringLiteral("x^2-5x+6"));
        const QString solved = QStringLiteral("парабола y = x² - 5x + 6, корни 3 и 2");
        QCOMPARE(PlotDescription(main), solved);
        TypeAndEnter(program, QStringLiteral("5+3"));  // fails: the plot stays
        QCOMPARE(PlotDescription(main), solved);
        QTest::keyClick(program.Field(), Qt::Key_A, Qt::ControlModifier);  // Clear
        QCOMPARE(PlotDescription(main), QStringLiteral("нет графика"));
        TypeAndEnter(program, QStringLiteral("2x^2+4x+2"));
        QCOMPARE(PlotDescription(main), QStringLiteral("парабола y = 2x² + 4x + 2, корень -1"));

        // The full-screen window tells what it draws, the same equation.
        QString fullScreen;
        QTimer::singleShot(0, program.fullScreen, [&] {
            fullScreen = PlotDescription(program.fullScreen);
            program.fullScreen->close();
        });
        program.main->openFullScreen();
        QCOMPARE(fullScreen, PlotDescription(main));
    }

    void tabSkipsTheOffScreenSolveButton() {
        Program program;
        program.Show();
        const auto* solveButton = Child<QPushButton>(program.main.get(), "solveButton");
        QCOMPARE(QApplication::focusWidget(), program.Field());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), program.List());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), program.Field());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), program.List());
        QVERIFY(QApplication::focusWidget() != solveButton);
        // Enter still solves through it.
        program.Field()->setFocus();
        QTest::keyClicks(program.Field(), QStringLiteral("x^2-4"));
        QTest::keyClick(program.Field(), Qt::Key_Return);
        QCOMPARE(program.List()->count(), 9);
    }

    void altWithATitlesFirstLetterOpensItsMenu() {
        Program program;
        program.Show();
        QMenuBar* bar = program.main->menuBar();
        const std::pair<char16_t, QString> keys[] = {
            {u'Ф', QStringLiteral("Файл")},
            {u'Н', QStringLiteral("Настройки")},
            {u'С', QStringLiteral("Справка")},
        };
        for (const auto& [letter, title] : keys) {
            program.Field()->setFocus();
            // Sent as the keyboard sends it: the capital's key code, the letter as text.
            const QString text = QString(QChar(letter)).toLower();
            QTest::sendKeyEvent(QTest::Press, program.Field(), Qt::Key(letter), text,
                                Qt::AltModifier);
            QTest::sendKeyEvent(QTest::Release, program.Field(), Qt::Key(letter), text,
                                Qt::AltModifier);
            QVERIFY(bar->activeAction() != nullptr);
            QCOMPARE(bar->activeAction()->text(), title);
            QTRY_VERIFY(bar->activeAction()->menu()->isVisible());
            bar->activeAction()->menu()->hide();
            QCOMPARE(program.Field()->text(), QString());
        }
    }

    void superscriptTwoBecomesCaretTwo() {
        Program program;
        program.Show();
        // Typed, one key at a time: the cursor stays after the "^2".
        TypeAndEnter(program, QStringLiteral("X²-5x+6"));
        QCOMPARE(program.Field()->text(), QStringLiteral("x^2-5x+6=0"));
        QCOMPARE(program.List()->count(), 9);
        // Pasted in the middle of the text, and set.
        program.Field()->setText(QStringLiteral("-4"));
        program.Field()->setCursorPosition(0);
        QGuiApplication::clipboard()->setText(QStringLiteral("2X²"));
        program.Field()->paste();
        QCOMPARE(program.Field()->text(), QStringLiteral("2x^2-4"));
        QCOMPARE(program.Field()->cursorPosition(), 4);
        program.Field()->setText(QStringLiteral("x²+x²"));
        QCOMPARE(program.Field()->text(), QStringLiteral("x^2+x^2"));
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
