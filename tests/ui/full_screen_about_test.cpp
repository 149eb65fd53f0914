// The full-screen window and the About window, shown modally from the main
// window and driven while they are open.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>

#include "io/bmp.h"
#include "plot/picture.h"
#include "plot/recording_surface.h"
#include "program_fixture.h"
#include "ui/link_label.h"
#include "window_probe.h"

using parabel::testing::Child;
using parabel::testing::Program;
using parabel::testing::RunQueuedCommands;
using parabel::testing::WindowProbe;

namespace {

// Runs `whileOpen` once the modal window is up, then opens it.
void WhileOpen(QWidget* window, std::function<void()> whileOpen, std::function<void()> open) {
    parabel::testing::WhenActive(window, [window, whileOpen] {
        whileOpen();
        if (window->isVisible()) {
            window->close();
        }
    });
    open();
}

void MovePointerTo(QWidget* widget, QPoint global) {
    const QPointF local = widget->mapFromGlobal(QPointF(global));
    QMouseEvent move(QEvent::MouseMove, local, QPointF(global), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCursor::setPos(global);
    QApplication::sendEvent(widget, &move);
}

}  // namespace

class FullScreenAboutTest : public QObject {
    Q_OBJECT

  private slots:
    void fullScreenDrawsAtOnceAndReadsThePointer() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("x^2-5x+6"));
        auto& full = *program.FullScreen();
        QCOMPARE(full.windowTitle(), QStringLiteral("Полноэкранный режим построения графика"));
        QCOMPARE(program.FullScreenPlotArea()->size(), QSize(1024, 728));
        bool checked = false;
        WhileOpen(
            &full,
            [&] {
                QTRY_VERIFY(full.drawnSinceOpened());  // drawn as soon as shown
                QCOMPARE(QSize(full.picture()->width(), full.picture()->height()),
                         QSize(1008, 752));
                QCOMPARE(full.picture()->PixelAt(512, 364), parabel::kBlackPixel);  // origin
                QCOMPARE(full.picture()->PixelAt(512, 304), 0xFFFF0000u);  // the curve at x = 0
                MovePointerTo(program.FullScreenPlotArea(), QPoint(520, 373));
                QCOMPARE(program.FullScreenStatus()->text(), QStringLiteral("[0;2]"));
                MovePointerTo(program.FullScreenPlotArea(), QPoint(0, 0));
                QCOMPARE(program.FullScreenStatus()->text(), QStringLiteral("[-52;39.3]"));
                // Hints go to this window's status bar while it is open.
                QStatusTipEvent tip(QStringLiteral("Обновить (Ctrl+F5)"));
                QApplication::sendEvent(Child<QMenuBar>(&full, "menuBar"), &tip);
                QCOMPARE(program.FullScreenStatus()->text(), QStringLiteral("Обновить (Ctrl+F5)"));
                checked = true;
            },
            [&] {
                program.Action("fullScreenAction")->trigger();
                RunQueuedCommands();
            });
        QVERIFY(checked);
        QVERIFY(program.RedrawTimer()->isActive());
        // And back to the main window's after it closed.
        QStatusTipEvent tip(QStringLiteral("hint"));
        QApplication::sendEvent(program.Field(), &tip);
        QCOMPARE(program.Status()->text(), QStringLiteral("hint"));
        QCOMPARE(program.FullScreenStatus()->text(), QStringLiteral("Обновить (Ctrl+F5)"));
    }

    void fullScreenMenuAndShortcuts() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("x^2-5x+6"));
        auto& full = *program.FullScreen();
        QStringList captions;
        for (QAction* action : Child<QMenuBar>(&full, "menuBar")->actions()) {
            captions << action->text() + (action->isEnabled() ? "" : "(off)");
        }
        QCOMPARE(captions, QStringList({"Сохранить", "Обновить", "Выход"}));
        QCOMPARE(Child<QAction>(&full, "exitAction")->statusTip(),
                 QStringLiteral("Выход из полноэкранного режима (Ctrl+E)"));
        const QString path = program.Path(QStringLiteral("large.bmp"));
        program.platform.fileAnswers = {path};
        WhileOpen(
            &full,
            [&] {
                QTRY_VERIFY(full.drawnSinceOpened());
                WindowProbe::Picture(full).Repaint();
                QTest::keyClick(&full, Qt::Key_F5, Qt::ControlModifier);
                RunQueuedCommands();  // Refresh
                QCOMPARE(full.picture()->PixelAt(512, 304), 0xFFFF0000u);
                QTest::keyClick(&full, Qt::Key_S, Qt::ControlModifier);
                RunQueuedCommands();  // Save
                QTest::keyClick(&full, Qt::Key_E, Qt::ControlModifier);
                RunQueuedCommands();  // Exit
                QVERIFY(!full.isVisible());
            },
            [&] { program.main->openFullScreen(); });
        QFile file(path);
        QCOMPARE(file.size(), qint64(1078 + 1024 * 728 * 4));
        // The file holds the framed surface, row for row.
        const parabel::Picture framed =
            parabel::ComposeFullScreenPicture(*full.picture(), {1024, 768});
        const std::vector<std::uint8_t> expected =
            parabel::EncodeBmp({framed.width, framed.height, framed.pixels.data()});
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        QVERIFY(written == QByteArray(reinterpret_cast<const char*>(expected.data()),
                                      static_cast<qsizetype>(expected.size())));
        QCOMPARE(program.platform.fileCalls.back().options.filter,
                 QStringLiteral("Растровые изображения|*.bmp"));
        // The name is forgotten: the next save's dialog starts empty.
        Child<QAction>(&full, "saveAction")->trigger();
        RunQueuedCommands();
        QCOMPARE(program.platform.fileCalls.back().initialName, QString());
    }

    void fullScreenOperationsAtAFixedScreen() {
        Program program;
        program.Solve(QStringLiteral("x^2-5x+6"));
        parabel::RecordingSurface surface;
        parabel::DrawFullScreenPlot(surface, {1024, 768}, program.main->plotState());
        const auto& ops = surface.ops();
        QCOMPARE(ops.front(), parabel::RepaintOp());
        QCOMPARE(ops[1], parabel::MoveToOp(0, 364));
        QCOMPARE(ops[2], parabel::LineToOp(1008, 364));
        QCOMPARE(ops.back(), parabel::PenOp(0));
    }

    void drawingErrorIsReportedOncePerOpening() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("4e14x^2"));  // the main panel draws it, this window cannot
        QVERIFY(program.platform.boxes.empty());
        auto& full = *program.FullScreen();
        WhileOpen(
            &full,
            [&] {
                QTRY_COMPARE(program.platform.boxes.size(), size_t(1));
                for (int x = 0; x < 5; ++x) {
                    MovePointerTo(program.FullScreenPlotArea(), QPoint(100 + x, 100));
                }
                QCOMPARE(program.platform.boxes.size(), size_t(1));
                QCOMPARE(program.platform.boxes[0].text,
                         QStringLiteral("Invalid floating point operation."));
                Child<QAction>(&full, "refreshAction")->trigger();
                RunQueuedCommands();  // an explicit Refresh reports again
                QCOMPARE(program.platform.boxes.size(), size_t(2));
            },
            [&] { program.main->openFullScreen(); });
        QCOMPARE(program.platform.boxes.size(), size_t(2));
    }

    void fullScreenBeforeAnySolveShowsTheAxesOnly() {
        Program program;
        auto& full = *program.FullScreen();
        WhileOpen(
            &full,
            [&] {
                QTRY_VERIFY(full.drawnSinceOpened());
                QCOMPARE(full.picture()->PixelAt(530, 300), parabel::kWhitePixel);
                QCOMPARE(full.picture()->PixelAt(100, 364), parabel::kBlackPixel);
            },
            [&] { program.main->openFullScreen(); });
    }

    void aboutWindowLayoutAndLinks() {
        Program program;
        auto& about = *program.About();
        QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
        QCOMPARE(about.size(), QSize(354, 220));
        auto* ok = Child<QPushButton>(&about, "okButton");
        auto* site = Child<parabel::ui::LinkLabel>(&about, "siteLink");
        auto* mail = Child<parabel::ui::LinkLabel>(&about, "mailLink");
        QCOMPARE(ok->geometry(), QRect(276, 191, 73, 25));
        QVERIFY(ok->isDefault());
        QCOMPARE(Child<QLabel>(&about, "siteLabel")->text(), QStringLiteral("Cайт:"));
        QVERIFY(Child<QLineEdit>(&about, "icqEdit")->isReadOnly());
        QVERIFY(site->font().underline());
        QCOMPARE(site->textColor(), QColor(Qt::black));
        QCOMPARE(site->cursor().shape(), Qt::PointingHandCursor);

        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(site, &enter);
        QCOMPARE(site->textColor(), QColor(0, 0, 255));
        QCOMPARE(site->cursor().shape(), Qt::PointingHandCursor);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(site, &leave);
        QCOMPARE(site->textColor(), QColor(Qt::black));
        QCOMPARE(site->cursor().shape(), Qt::ArrowCursor);

        QTest::mouseClick(site, Qt::LeftButton);
        QTest::mouseClick(mail, Qt::LeftButton);
        QCOMPARE(program.platform.openedUrls.size(), size_t(2));
        QCOMPARE(program.platform.openedUrls[0], site->text());
        QCOMPARE(program.platform.openedUrls[1], QStringLiteral("mailto: ") + mail->text());

        parabel::ui::LinkLabel empty(program.platform, nullptr);
        empty.openTarget();
        QCOMPARE(program.platform.openedUrls.size(), size_t(2));
        empty.setText(QStringLiteral("http://caption.example"));
        empty.setOpensCaption(true);
        empty.openTarget();
        QCOMPARE(program.platform.openedUrls.back(), QStringLiteral("http://caption.example"));
    }

    void enterClosesAboutAndClosingRedraws() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("x^2-5x+6"));
        auto& about = *program.About();
        WhileOpen(
            &about,
            [&] {
                WindowProbe::Panel(*program.main).Repaint();
                auto* icq = Child<QLineEdit>(&about, "icqEdit");
                icq->setFocus();
                QTest::keyClick(icq, Qt::Key_Return);
                RunQueuedCommands();
                QVERIFY(!about.isVisible());
            },
            [&] {
                program.Action("aboutAction")->trigger();
                RunQueuedCommands();
            });
        QCOMPARE(program.main->panel().PixelAt(150, 100), 0xFFFF0000u);
        QVERIFY(program.RedrawTimer()->isActive());
    }
};

QTEST_MAIN(FullScreenAboutTest)
#include "full_screen_about_test.moc"
