// The windows for keyboards and screen readers: the accessibility tree under
// the offscreen platform, the Tab order, the menus' and shortcuts' keys on
// Latin and Cyrillic layouts, the plot's keyboard route, the About window's
// links, commands that never make a screen reader wait, and the pointer
// read-out on high-density screens.
#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include "plot/main_plot.h"
#include "program_fixture.h"
#include "ui/link_label.h"

using parabel::testing::Child;
using parabel::testing::Program;
using parabel::testing::RunQueuedCommands;
using parabel::testing::WhenActive;

namespace {

QAccessibleInterface* Node(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString Accessible(QWidget* widget, QAccessible::Text text) {
    QAccessibleInterface* node = Node(widget);
    return node != nullptr ? node->text(text) : QStringLiteral("(none)");
}

QString PlotDescription(QWidget* window) {
    return Accessible(Child<QWidget>(window, "plotArea"), QAccessible::Description);
}

void TypeAndEnter(Program& program, const QString& text) {
    program.Field()->setFocus();
    program.Field()->clear();
    QTest::keyClicks(program.Field(), text);
    QTest::keyClick(program.Field(), Qt::Key_Return);
    RunQueuedCommands();
}

// A key as the keyboard sends it: the key code (a letter's capital), the
// text it types, the modifiers.
void PressKey(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QTest::sendKeyEvent(QTest::Press, target, Qt::Key(key), text, modifiers);
    QTest::sendKeyEvent(QTest::Release, target, Qt::Key(key), text, modifiers);
}

// The object names of the main window's actions that ran, in order.
struct TriggeredActions {
    explicit TriggeredActions(QWidget* window) {
        for (QAction* action : window->findChildren<QAction*>()) {
            if (!action->objectName().isEmpty()) {
                QObject::connect(action, &QAction::triggered, &listening,
                                 [this, action] { names << action->objectName(); });
            }
        }
    }
    QObject listening;  // the connections end with it
    QStringList names;
};

}  // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsHaveNamesRolesAndDescriptions() {
        Program program;
        program.Show();
        const struct {
            const char* control;
            QAccessible::Role role;
            QString name;
            QString description;
        } rows[] = {
            {"clearToolButton", QAccessible::Button, "Очистить", "Очистить (Ctrl+A)"},
            {"loadToolButton", QAccessible::Button, "Загрузить", "Загрузить (Ctrl+L)"},
            {"saveSolutionToolButton", QAccessible::Button, "Сохранить решение",
             "Сохранить решение (Ctrl+S)"},
            {"savePlotToolButton", QAccessible::Button, "Сохранить график",
             "Сохранить график (Ctrl+G)"},
            {"solveToolButton", QAccessible::Button, "Решать !!!", "Решать !!!"},
            {"refreshToolButton", QAccessible::Button, "Обновить", "Обновить (F5)"},
            {"fullScreenToolButton", QAccessible::Button,
             "Вход в полноэкранный режим построения графика",
             "Вход в полноэкранный режим построения графика (Ctrl+P)"},
            {"aboutToolButton", QAccessible::Button, "Краткое руководство по пользованию программы",
             "Краткое руководство по пользованию программы (F1)"},
            {"exitToolButton", QAccessible::Button, "Выход из программы",
             "Выход из программы (Ctrl+E)"},
            {"equationEdit", QAccessible::EditableText, "Уравнение",
             "Введите в это поле уравнение вида Ax^2+Bx+C=0"},
            {"solutionList", QAccessible::List, "Решение",
             "Ход решения уравнения; Ctrl+C копирует решение целиком"},
            {"plotArea", QAccessible::Graphic, "График", "нет графика"},
            {"toolBand", QAccessible::Border, "Рамка панели инструментов", ""},
            {"statusBar", QAccessible::StatusBar, "Строка состояния", ""},
        };
        for (const auto& row : rows) {
            QWidget* control = Child<QWidget>(program.main.get(), row.control);
            QCOMPARE(Node(control)->role(), row.role);
            QCOMPARE(Accessible(control, QAccessible::Name), row.name);
            QCOMPARE(Accessible(control, QAccessible::Description), row.description);
        }
        // Whatever a user can press or type into has a name, in every window,
        // and so has every status bar.
        for (QWidget* window : {static_cast<QWidget*>(program.main.get()),
                                static_cast<QWidget*>(program.FullScreen()),
                                static_cast<QWidget*>(program.About())}) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (control->objectName().startsWith(QStringLiteral("qt_"))) {
                    continue;  // Qt's own, such as the menu bar's button for items that do not fit
                }
                if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                    qobject_cast<QStatusBar*>(control) || control->focusPolicy() != Qt::NoFocus) {
                    QVERIFY2(!Accessible(control, QAccessible::Name).isEmpty(),
                             qPrintable(control->objectName()));
                }
            }
        }
    }

    // What is not there is not in the tree; separators are separators; a
    // line is focused only while the list has the focus.
    void theTreeHoldsOnlyWhatIsThere() {
        Program program;
        program.Show();
        TypeAndEnter(program, QStringLiteral("x^2-5x+6"));
        // The hidden solve button is no control of the window's, though Enter
        // clicks it; the toolbar and its dividers say what they are.
        QAccessibleInterface* client = Node(program.main->centralWidget());
        QStringList roles;
        for (int i = 0; i < client->childCount(); ++i) {
            QVERIFY(client->child(i)->text(QAccessible::Name) != QStringLiteral("Решать !!!"));
        }
        QAccessibleInterface* toolBar = Node(Child<QWidget>(program.main.get(), "toolBar"));
        QCOMPARE(toolBar->role(), QAccessible::ToolBar);
        QCOMPARE(toolBar->text(QAccessible::Name), QStringLiteral("Панель инструментов"));
        for (int i = 0; i < toolBar->childCount(); ++i) {
            roles << (toolBar->child(i)->role() == QAccessible::Separator ? QStringLiteral("|")
                                                                          : QStringLiteral("b"));
        }
        QCOMPARE(roles.join(QString()), QStringLiteral("bbbb|bbb|b|b|b"));

        QAccessibleInterface* list = Node(program.List());
        QCOMPARE(list->childCount(), 9);
        QStringList lines;
        for (int i = 0; i < list->childCount(); ++i) {
            QAccessibleInterface* line = list->child(i);
            QCOMPARE(list->indexOfChild(line), i);
            lines << (line->role() == QAccessible::Separator ? QStringLiteral("(separator)")
                                                             : line->text(QAccessible::Name));
            QVERIFY2(
                line->role() == QAccessible::Separator || line->role() == QAccessible::ListItem,
                qPrintable(lines.back()));
        }
        QCOMPARE(lines, QStringList({"Решение", "(separator)", "D=(-5)^2-4*(1)*(6)=1",
                                     "D>0 - Два корня.", "x(1,2)=((5)±(1^(1/2)))/(2*(1))", "x(1)=3",
                                     "x(2)=2", "(separator)", "Ответ: x(1)=3 ; x(2)=2"}));
        program.List()->setFocus();
        program.List()->setCurrentRow(0);
        QVERIFY(list->child(0)->state().focused);
        program.Field()->setFocus();
        QVERIFY(!list->child(0)->state().focused);
        TypeAndEnter(program, QStringLiteral("x^2+1"));  // fewer lines: none of the old is left
        QCOMPARE(list->childCount(), 6);
        QCOMPARE(list->child(5)->text(QAccessible::Name), QStringLiteral("Ответ: Корней нет."));
        QCOMPARE(list->child(6), nullptr);

        // The full-screen menu bar: three items, the dividers drawn only.
        QAccessibleInterface* bar = Node(Child<QMenuBar>(program.FullScreen(), "menuBar"));
        QStringList items;
        for (int i = 0; i < bar->childCount(); ++i) {
            QCOMPARE(bar->child(i)->role(), QAccessible::MenuItem);
            items << bar->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(items, QStringList({"Сохранить", "Обновить", "Выход"}));
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
        RunQueuedCommands();
        QCOMPARE(PlotDescription(main), QStringLiteral("нет графика"));
        TypeAndEnter(program, QStringLiteral("2x^2+4x+2"));
        QCOMPARE(PlotDescription(main), QStringLiteral("парабола y = 2x² + 4x + 2, корень -1"));

        // The full-screen window tells what it draws, the same equation.
        QString fullScreen;
        WhenActive(program.FullScreen(), [&] {
            fullScreen = PlotDescription(program.FullScreen());
            program.FullScreen()->close();
        });
        program.main->openFullScreen();
        QCOMPARE(fullScreen, PlotDescription(main));
    }

    // Alt opens menus by the key of their title's letter on both layouts,
    // F10 opens the first; Ctrl runs a shortcut by its key on a Cyrillic
    // layout too. Nothing of it types into the field.
    void keysWorkOnLatinAndCyrillicLayouts() {
        const struct Row {
            const char* key;  // in words
            int code;
            QString text;
            Qt::KeyboardModifiers modifiers;
            QString menu;        // the menu that opens, if any
            const char* action;  // the action that runs, if any
        } rows[] = {
            {"Alt+Ф", u'Ф', "ф", Qt::AltModifier, "Файл", nullptr},
            {"Alt+Н", u'Н', "н", Qt::AltModifier, "Настройки", nullptr},
            {"Alt+С", u'С', "с", Qt::AltModifier, "Справка", nullptr},
            {"Alt+A, Ф's key", Qt::Key_A, "a", Qt::AltModifier, "Файл", nullptr},
            {"Alt+Y, Н's key", Qt::Key_Y, "y", Qt::AltModifier, "Настройки", nullptr},
            {"Alt+C, С's key", Qt::Key_C, "c", Qt::AltModifier, "Справка", nullptr},
            {"Alt+F, no menu's key", Qt::Key_F, "f", Qt::AltModifier, "", nullptr},
            {"Alt+Щ, no menu's key", u'Щ', "щ", Qt::AltModifier, "", nullptr},
            {"F10", Qt::Key_F10, "", Qt::NoModifier, "Файл", nullptr},
            {"Ctrl+P", Qt::Key_P, "p", Qt::ControlModifier, "", "fullScreenAction"},
            {"Ctrl+З, P's key", u'З', "з", Qt::ControlModifier, "", "fullScreenAction"},
            {"Ctrl+Ф, A's key", u'Ф', "ф", Qt::ControlModifier, "", "clearAction"},
            {"Ctrl+Ы, S's key", u'Ы', "ы", Qt::ControlModifier, "", "saveSolutionAction"},
            {"Ctrl+П, G's key", u'П', "п", Qt::ControlModifier, "", "savePlotAction"},
            {"Ctrl+Д, L's key", u'Д', "д", Qt::ControlModifier, "", "loadAction"},
            {"Ctrl+У, E's key", u'У', "у", Qt::ControlModifier, "", "exitAction"},
            {"Ctrl+Ц, W's key", u'Ц', "ц", Qt::ControlModifier, "", "curveColorAction"},
            {"Ctrl+Б, no shortcut's key", u'Б', "б", Qt::ControlModifier, "", nullptr},
        };
        Program program;
        program.Show();
        QMenuBar* bar = program.main->menuBar();
        for (const Row& row : rows) {
            program.Field()->setEquation(QStringLiteral("x"));
            program.Field()->setFocus();
            TriggeredActions triggered(program.main.get());
            PressKey(program.Field(), row.code, row.text, row.modifiers);
            QAction* open = bar->activeAction();
            const QString opened = open != nullptr ? open->text().remove(u'&') : QString();
            if (open != nullptr) {
                QTRY_VERIFY(open->menu()->isVisible());
                // Ready for Enter: its first item highlighted.
                QVERIFY2(open->menu()->activeAction() == open->menu()->actions().constFirst(),
                         row.key);
                open->menu()->hide();
                bar->setActiveAction(nullptr);
            }
            QCoreApplication::removePostedEvents(program.main.get(), QEvent::MetaCall);
            QVERIFY2(opened == row.menu, row.key);
            QVERIFY2(triggered.names ==
                         (row.action != nullptr ? QStringList{row.action} : QStringList{}),
                     qPrintable(QString::fromUtf8(row.key) + ": " + triggered.names.join(' ')));
            QVERIFY2(program.Field()->text() == QStringLiteral("x"), row.key);
        }
    }

    // The menu titles' letters show underlined only while Alt is held.
    void menuLettersShowWhileAltIsHeld() {
        Program program;
        program.Show();
        QStyle* style = program.main->menuBar()->style();
        QCOMPARE(style->styleHint(QStyle::SH_UnderlineShortcut), 0);
        QTest::sendKeyEvent(QTest::Press, program.Field(), Qt::Key_Alt, QString(), Qt::AltModifier);
        QVERIFY(style->styleHint(QStyle::SH_UnderlineShortcut) != 0);
        QTest::sendKeyEvent(QTest::Release, program.Field(), Qt::Key_Alt, QString(),
                            Qt::NoModifier);
        QCOMPARE(style->styleHint(QStyle::SH_UnderlineShortcut), 0);
    }

    // Tab goes round the field, the list and the plot; the plot shows its
    // focus outside its own pixels and copies its picture by Ctrl+C.
    void tabReachesThePlotWhichCopiesByKeyboard() {
        Program program;
        program.Show();
        TypeAndEnter(program, QStringLiteral("x^2-5x+6"));
        auto* plot = Child<QWidget>(program.main.get(), "plotArea");
        const QWidget* order[] = {program.Field(), program.List(), plot, program.Field()};
        for (const QWidget* expected : order) {
            QCOMPARE(QApplication::focusWidget(), expected);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), plot);

        const QImage shown = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const parabel::RasterSurface& panel = program.main->panel();
        bool focusFrame = false;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const bool onPanel = x >= 8 && x < 308 && y >= 8 && y < 328;
                if (onPanel) {
                    QCOMPARE(shown.pixel(x, y), panel.PixelAt(x - 8, y - 8));
                } else if (x > 0 && y > 0 && x < shown.width() - 1 && y < shown.height() - 1) {
                    focusFrame = focusFrame || shown.pixel(x, y) != parabel::kWhitePixel;
                }
            }
        }
        QVERIFY(focusFrame);

        QGuiApplication::clipboard()->clear();
        QTest::keyClick(plot, Qt::Key_C, Qt::ControlModifier);
        const QImage copied =
            QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(copied.size(), QSize(322, 338));
        QCOMPARE(copied.pixel(8 + 150, 8 + 100), 0xFFFF0000u);  // the curve at x = 0
        const QByteArray png = QGuiApplication::clipboard()->mimeData()->data("image/png");
        const QImage decoded = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(decoded.size(), copied.size());
        for (int y = 0; y < copied.height(); ++y) {
            for (int x = 0; x < copied.width(); ++x) {
                QCOMPARE(decoded.pixel(x, y), copied.pixel(x, y));
            }
        }
    }

    // The About window's links and ICQ field by keyboard, and the links as
    // links for screen readers.
    void aboutLinksOpenByKeyboardAndReader() {
        Program program;
        program.Show();
        auto* about = program.About();
        auto* ok = Child<QPushButton>(about, "okButton");
        auto* site = Child<parabel::ui::LinkLabel>(about, "siteLink");
        auto* mail = Child<parabel::ui::LinkLabel>(about, "mailLink");
        auto* icq = Child<QLineEdit>(about, "icqEdit");
        QStringList order;
        WhenActive(about, [&] {
            for (int i = 0; i < 5; ++i) {
                order << QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            site->setFocus();
            QTest::keyClick(site, Qt::Key_Return);
            mail->setFocus();
            QTest::keyClick(mail, Qt::Key_Space);
            QVERIFY(about->isVisible());  // the links' keys are theirs, not OK's
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Return);
        });
        program.main->showAbout();
        QVERIFY(!about->isVisible());
        QCOMPARE(order, QStringList({"okButton", "siteLink", "mailLink", "icqEdit", "okButton"}));
        QCOMPARE(program.platform.openedUrls,
                 std::vector<QString>({site->text(), QStringLiteral("mailto: ") + mail->text()}));
        for (parabel::ui::LinkLabel* link : {site, mail}) {
            QAccessibleInterface* node = Node(link);
            QCOMPARE(node->role(), QAccessible::Link);
            QCOMPARE(node->text(QAccessible::Name), link->text());
            node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QCOMPARE(program.platform.openedUrls.size(), size_t(4));
        QCOMPARE(Accessible(icq, QAccessible::Name), QStringLiteral("ICQ"));
        // Tab reaches the number as text to read, not selected to type over.
        QString selected = QStringLiteral("(not reached)");
        WhenActive(about, [&] {
            Child<QPushButton>(about, "okButton")->setFocus();
            for (int i = 0; i < 3; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QCOMPARE(QApplication::focusWidget(), icq);
            selected = icq->selectedText();
            about->close();
        });
        program.main->showAbout();
        QCOMPARE(selected, QString());
    }

    // One Escape closes a menu that a key opened and gives the keyboard back
    // to the field; the menu key opens a context menu ready for Enter.
    void menusOpenedByKeysGiveTheKeyboardBack() {
        Program program;
        program.Show();
        const QKeyCombination openers[] = {QKeyCombination(Qt::Key_F10),
                                           QKeyCombination(Qt::AltModifier, Qt::Key_A),
                                           QKeyCombination(Qt::AltModifier, Qt::Key_Y)};
        for (const QKeyCombination opener : openers) {
            program.Field()->clear();
            program.Field()->setFocus();
            QTest::keyClick(program.Field(), opener.key(), opener.keyboardModifiers());
            QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(open != nullptr);
            QTest::keyClick(open, Qt::Key_Escape);
            QCOMPARE(QApplication::activePopupWidget(), nullptr);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x^2"));
            QCOMPARE(program.Field()->text(), QStringLiteral("x^2"));
            QCOMPARE(QApplication::focusWidget(), program.Field());
        }

        TypeAndEnter(program, QStringLiteral("x^2-4"));
        auto* plot = Child<QWidget>(program.main.get(), "plotArea");
        plot->setFocus();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(10, 10),
                                  plot->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(plot, &menuKey);
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QVERIFY(menu->activeAction() != nullptr);
        QCOMPARE(menu->activeAction()->text(), QStringLiteral("Копировать график"));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(menu, Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(322, 338));
        // By the mouse nothing is highlighted until the pointer is on it.
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(10, 10),
                                plot->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(plot, &click);
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->activeAction(), nullptr);
        menu->close();
    }

    // A screen reader's "press" on a button that opens a window returns at
    // once; the window opens after it.
    void pressingNeverWaitsForTheWindowItOpens() {
        Program program;
        program.Show();
        const struct {
            const char* button;
            QWidget* window;
        } rows[] = {
            {"aboutToolButton", program.About()},
            {"fullScreenToolButton", program.FullScreen()},
        };
        for (const auto& row : rows) {
            QAccessibleActionInterface* press =
                Node(program.ToolButton(row.button))->actionInterface();
            press->doAction(QAccessibleActionInterface::pressAction());
            QVERIFY2(!row.window->isVisible(), row.button);
            bool opened = false;
            WhenActive(row.window, [&] {
                opened = true;
                row.window->close();
            });
            RunQueuedCommands();
            QVERIFY2(opened, row.button);
        }
        // The file dialogs too: the press has returned before the dialog is asked.
        program.ToolButton("loadToolButton")->click();
        QVERIFY(program.platform.fileCalls.empty());
        RunQueuedCommands();
        QCOMPARE(program.platform.fileCalls.size(), size_t(1));
    }

    // Every device pixel of a logical pixel reads that pixel, at scale
    // factors 1, 1.5 and 2; a reopened full screen starts without a read-out.
    void pointerReadsTheLogicalPixelItLiesIn() {
        Program program;
        program.Show();
        auto* plot = Child<QWidget>(program.main.get(), "plotArea");
        const struct {
            double factor;
            QPoint device;  // a device pixel of the screen, over the plot
        } rows[] = {
            {1, {158, 168}},   {1, {159, 167}}, {1.5, {237, 252}}, {1.5, {238, 253}},
            {1.5, {239, 254}}, {2, {316, 336}}, {2, {317, 337}},   {2, {318, 338}},
            {2, {319, 339}},   {1.5, {0, 0}},   {2, {643, 675}},
        };
        for (const auto& row : rows) {
            const QPointF position(row.device.x() / row.factor, row.device.y() / row.factor);
            QMouseEvent move(QEvent::MouseMove, position, plot->mapToGlobal(position), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(plot, &move);
            const std::string expected =
                parabel::PointerText(static_cast<int>(row.device.x() / row.factor),
                                     static_cast<int>(row.device.y() / row.factor));
            QCOMPARE(program.Status()->text(), QString::fromStdString(expected));
        }

        QStringList openings;
        for (int opening = 0; opening < 2; ++opening) {
            WhenActive(program.FullScreen(), [&] {
                openings << program.FullScreenStatus()->text();
                QWidget* area = program.FullScreenPlotArea();
                const QPointF global(520.5,
                                     373.5);  // one device pixel right of and below (520, 373)
                QMouseEvent move(QEvent::MouseMove, area->mapFromGlobal(global), global,
                                 Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(area, &move);
                openings << program.FullScreenStatus()->text();
                program.FullScreen()->close();
            });
            program.main->openFullScreen();
        }
        QCOMPARE(openings, QStringList({"", "[0;2]", "", "[0;2]"}));
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
