// The copy commands: the context menus of the solution list and of the plots,
// and Ctrl+C in the list, read back from the clipboard.
#include <QAbstractScrollArea>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTest>

#include "core/windows1251.h"
#include "program_fixture.h"

using parabel::testing::Child;
using parabel::testing::Program;
using parabel::testing::RunQueuedCommands;

namespace {

QClipboard* Clipboard() {
    return QGuiApplication::clipboard();
}

// The file the save command writes, as the text a copy should give: UTF-8,
// a line feed between lines.
QString SavedFileAsText(Program& program) {
    const QString path = program.Path(QStringLiteral("solution.txt"));
    program.platform.fileAnswers = {path};
    program.Action("saveSolutionAction")->trigger();
    RunQueuedCommands();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QString text = QString::fromStdString(parabel::Windows1251ToUtf8(file.readAll().toStdString()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.chop(1);  // the last line's end
    return text;
}

// The picture a window's export writes, read back from its file.
QImage ExportedPicture(Program& program, QAction* save) {
    const QString path = program.Path(QStringLiteral("plot.bmp"));
    program.platform.fileAnswers = {path};
    save->trigger();
    RunQueuedCommands();
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// Opens the context menu of `widget` as a right click at `point` would (in
// a scroll area, the click reaches its viewport); the menu while it shows.
QMenu* OpenContextMenu(QWidget* widget, QPoint point) {
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    QWidget* target = area != nullptr ? area->viewport() : widget;
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, target->mapToGlobal(point));
    QApplication::sendEvent(target, &event);
    QMenu* menu = widget->findChild<QMenu*>();
    if (menu == nullptr || !menu->isVisible()) {
        return nullptr;
    }
    return menu;
}

QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        captions << action->text();
    }
    return captions;
}

}  // namespace

class CopyCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void copiedSolutionIsTheSavedFileAsText() {
        for (const QString& equation : {QStringLiteral("x^2-5x+6"), QStringLiteral("2x^2+4x+2"),
                                        QStringLiteral("x^2+x-1"), QStringLiteral("x^2+2x+5")}) {
            Program program;
            program.Show();
            program.Solve(equation);
            QMenu* menu = OpenContextMenu(program.List(), QPoint(20, 20));
            QVERIFY(menu != nullptr);
            QCOMPARE(Captions(menu), QStringList{QStringLiteral("Копировать решение")});
            menu->actions().front()->trigger();
            RunQueuedCommands();
            menu->hide();
            const QString copied = Clipboard()->text();
            QVERIFY(copied.startsWith(equation + QStringLiteral("=0\nРешение\n")));
            QCOMPARE(copied, SavedFileAsText(program));
        }
    }

    // What is copied after a failed solve and after Clear is the window
    // model's story; here, that the command follows the list.
    void nothingToCopyFromAnEmptyList() {
        Program program;
        program.Show();
        QAction* copy = program.Action("copySolutionAction");
        program.Solve(QStringLiteral("x^2-5x+6"));
        // After Clear the list is empty and nothing is copied.
        program.main->clearAll();
        Clipboard()->setText(QStringLiteral("before"));
        QVERIFY(!copy->isEnabled());
        program.List()->setFocus();
        QTest::keyClick(program.List(), Qt::Key_C, Qt::ControlModifier);
        RunQueuedCommands();
        QCOMPARE(Clipboard()->text(), QStringLiteral("before"));
        program.Solve(QStringLiteral("x^2-5x+6"));
        QVERIFY(copy->isEnabled());
    }

    void ctrlCCopiesTheWholeSolutionOnlyFromTheList() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("x^2-5x+6"));
        program.Action("copySolutionAction")->trigger();
        RunQueuedCommands();
        const QString solution = Clipboard()->text();
        Clipboard()->clear();

        program.List()->setFocus();
        program.List()->setCurrentRow(5);
        QTest::keyClick(program.List(), Qt::Key_C, Qt::ControlModifier);
        RunQueuedCommands();
        QCOMPARE(Clipboard()->text(), solution);

        // In the field Ctrl+C copies the field's selection, as before.
        program.Field()->setFocus();
        program.Field()->setSelection(0, 3);
        QTest::keyClick(program.Field(), Qt::Key_C, Qt::ControlModifier);
        RunQueuedCommands();
        QCOMPARE(Clipboard()->text(), QStringLiteral("x^2"));

        // The window's own keys still work from the list: Ctrl+A clears.
        program.List()->setFocus();
        QTest::keyClick(program.List(), Qt::Key_A, Qt::ControlModifier);
        RunQueuedCommands();
        QCOMPARE(program.List()->count(), 0);
    }

    void copiedPlotIsTheExportedPicture() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("x^2-5x+6"));
        QMenu* menu =
            OpenContextMenu(Child<QWidget>(program.main.get(), "plotArea"), QPoint(100, 100));
        QVERIFY(menu != nullptr);
        QCOMPARE(Captions(menu), QStringList{QStringLiteral("Копировать график")});
        menu->actions().front()->trigger();
        RunQueuedCommands();
        menu->hide();
        const QImage copied = Clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(copied.size(), QSize(322, 338));
        const QImage exported = ExportedPicture(program, program.Action("savePlotAction"));
        QCOMPARE(exported.size(), QSize(322, 338));
        QVERIFY(copied == exported);
        QCOMPARE(copied.pixel(8 + 150, 8 + 100), 0xFFFF0000u);  // the curve at x = 0
    }

    void fullScreenCopyIsItsExportedPicture() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("x^2-5x+6"));
        auto& full = *program.FullScreen();
        QImage copied;
        QImage exported;
        parabel::testing::WhenActive(&full, [&] {
            QTRY_VERIFY(full.drawnSinceOpened());
            QMenu* menu = OpenContextMenu(program.FullScreenPlotArea(), QPoint(300, 300));
            QVERIFY(menu != nullptr);
            QCOMPARE(Captions(menu), QStringList{QStringLiteral("Копировать график")});
            menu->actions().front()->trigger();
            RunQueuedCommands();
            menu->hide();
            copied = Clipboard()->image().convertToFormat(QImage::Format_RGB32);
            exported = ExportedPicture(program, Child<QAction>(&full, "saveAction"));
            full.close();
        });
        program.main->openFullScreen();
        QCOMPARE(copied.size(), QSize(1024, 768 - 40));
        QVERIFY(copied == exported);
        QCOMPARE(copied.pixel(8 + 512, 9 + 304), 0xFFFF0000u);  // the curve at x = 0
    }

    void contextMenusLeaveTheStatusBarAlone() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("x^2-5x+6"));
        auto* area = Child<QWidget>(program.main.get(), "plotArea");
        QMouseEvent move(QEvent::MouseMove, QPointF(158, 168), area->mapToGlobal(QPointF(158, 168)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(area, &move);
        const QString readOut = program.Status()->text();
        QCOMPARE(readOut, QStringLiteral("График функции [0;0]"));
        for (QWidget* owner : {area, static_cast<QWidget*>(program.List())}) {
            QMenu* menu = OpenContextMenu(owner, QPoint(20, 20));
            QVERIFY(menu != nullptr);
            menu->setActiveAction(menu->actions().front());  // the item under the pointer
            QCOMPARE(program.Status()->text(), readOut);
            menu->setActiveAction(nullptr);
            menu->hide();
            QCOMPARE(program.Status()->text(), readOut);
        }
    }
};

QTEST_MAIN(CopyCommandsTest)
#include "copy_commands_test.moc"
