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

#include "plot/recording_surface.h"
#include "program_fixture.h"
#include "ui/link_label.h"

using parabel::testing::Program;

namespace {

void Solve(Program& program, const QString& equation) {
    program.main->Primer->SetText(equation);
    program.main->N12->trigger();
}

// Runs `whileOpen` once the modal window is up, then opens it.
void WhileOpen(QWidget* window, std::function<void()> whileOpen, std::function<void()> open) {
    QTimer::singleShot(0, window, [window, whileOpen] {
        QTRY_VERIFY(window->isVisible());
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
        Solve(program, QStringLiteral("x^2-5x+6"));
        auto& full = *program.fullScreen;
        QCOMPARE(full.windowTitle(), QStringLiteral("Полноэкранный режим построения графика"));
        QCOMPARE(full.MPB->size(), QSize(1008, 752));
        QCOMPARE(full.Back->size(), QSize(1024, 728));
        bool checked = false;
        WhileOpen(
            &full,
            [&] {
                QTRY_VERIFY(full.drawnSinceOpened());  // drawn as soon as shown
                QCOMPARE(full.surface().PixelAt(512, 364), parabel::kBlackPixel);  // origin
                QCOMPARE(full.surface().PixelAt(512, 304), 0xFFFF0000u);  // the curve at x = 0
                MovePointerTo(full.Back, QPoint(520, 373));
                QCOMPARE(full.StatusPanel->text(), QStringLiteral("[0;2]"));
                MovePointerTo(full.Back, QPoint(0, 0));
                QCOMPARE(full.StatusPanel->text(), QStringLiteral("[-52;39.3]"));
                // Hints go to this window's status bar while it is open.
                QStatusTipEvent tip(QStringLiteral("Обновить (Ctrl+F5)"));
                QApplication::sendEvent(full.Menu, &tip);
                QCOMPARE(full.StatusPanel->text(), QStringLiteral("Обновить (Ctrl+F5)"));
                checked = true;
            },
            [&] { program.main->N15->trigger(); });
        QVERIFY(checked);
        QVERIFY(program.main->Timer1->isActive());
        // And back to the main window's after it closed.
        QStatusTipEvent tip(QStringLiteral("hint"));
        QApplication::sendEvent(program.main->Primer, &tip);
        QCOMPARE(program.main->StatusPanel->text(), QStringLiteral("hint"));
        QCOMPARE(full.StatusPanel->text(), QStringLiteral("Обновить (Ctrl+F5)"));
    }

    void fullScreenMenuAndShortcuts() {
        Program program;
        program.Show();
        Solve(program, QStringLiteral("x^2-5x+6"));
        auto& full = *program.fullScreen;
        QStringList captions;
        for (QAction* action : full.Menu->actions()) {
            captions << action->text() + (action->isEnabled() ? "" : "(off)");
        }
        QCOMPARE(captions, QStringList({"Сохранить", "|(off)", "Обновить", "|(off)", "Выход"}));
        QCOMPARE(full.N4->statusTip(), QStringLiteral("Выход из полноэкранного режима (Ctrl+E)"));
        const QString path = program.Path(QStringLiteral("large.bmp"));
        program.platform.fileAnswers = {path};
        WhileOpen(
            &full,
            [&] {
                QTRY_VERIFY(full.drawnSinceOpened());
                QApplication::setActiveWindow(&full);
                full.surface().Repaint();
                QTest::keyClick(&full, Qt::Key_F5, Qt::ControlModifier);  // Refresh
                QCOMPARE(full.surface().PixelAt(512, 304), 0xFFFF0000u);
                QTest::keyClick(&full, Qt::Key_S, Qt::ControlModifier);  // Save
                QTest::keyClick(&full, Qt::Key_E, Qt::ControlModifier);  // Exit
                QVERIFY(!full.isVisible());
            },
            [&] { program.main->N15Click(); });
        QFile file(path);
        QCOMPARE(file.size(), qint64(1078 + 1024 * 728 * 4));
        QCOMPARE(program.platform.fileCalls.back().options.filter,
                 QStringLiteral("Растровые изображения|*.bmp"));
        QCOMPARE(full.saveDialog1FileName, QString());
    }

    void fullScreenOperationsAtAFixedScreen() {
        Program program;
        Solve(program, QStringLiteral("x^2-5x+6"));
        parabel::RecordingSurface surface;
        parabel::DrawFullScreenPlot(surface, {1024, 768}, program.main->FState);
        const auto& ops = surface.ops();
        QCOMPARE(ops.front(), parabel::RepaintOp());
        QCOMPARE(ops[1], parabel::MoveToOp(0, 364));
        QCOMPARE(ops[2], parabel::LineToOp(1008, 364));
        QCOMPARE(ops.back(), parabel::PenOp(0));
    }

    void drawingErrorIsReportedOncePerOpening() {
        Program program;
        program.Show();
        program.main->FState.a = 4e14L;  // the main panel draws it, this window cannot
        auto& full = *program.fullScreen;
        WhileOpen(
            &full,
            [&] {
                QTRY_COMPARE(program.platform.boxes.size(), size_t(1));
                for (int x = 0; x < 5; ++x) {
                    MovePointerTo(full.Back, QPoint(100 + x, 100));
                }
                QCOMPARE(program.platform.boxes.size(), size_t(1));
                QCOMPARE(program.platform.boxes[0].text,
                         QStringLiteral("Invalid floating point operation."));
                full.N5->trigger();  // an explicit Refresh reports again
                QCOMPARE(program.platform.boxes.size(), size_t(2));
            },
            [&] { program.main->N15Click(); });
        QCOMPARE(program.platform.boxes.size(), size_t(2));
    }

    void fullScreenBeforeAnySolveShowsTheAxesOnly() {
        Program program;
        auto& full = *program.fullScreen;
        WhileOpen(
            &full,
            [&] {
                QTRY_VERIFY(full.drawnSinceOpened());
                QCOMPARE(full.surface().PixelAt(530, 300), parabel::kWhitePixel);
                QCOMPARE(full.surface().PixelAt(100, 364), parabel::kBlackPixel);
            },
            [&] { program.main->N15Click(); });
    }

    void aboutWindowLayoutAndLinks() {
        Program program;
        auto& about = *program.about;
        QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
        QCOMPARE(about.size(), QSize(354, 220));
        QCOMPARE(about.Btn_OK->geometry(), QRect(276, 191, 73, 25));
        QVERIFY(about.Btn_OK->isDefault());
        QCOMPARE(about.Lb_Site->text(), QStringLiteral("Cайт:"));
        QVERIFY(about.Ed_ICQ->isReadOnly());
        QVERIFY(about.Link_Site->font().underline());
        QCOMPARE(about.Link_Site->FontColor(), QColor(Qt::black));
        QCOMPARE(about.Link_Site->cursor().shape(), Qt::PointingHandCursor);

        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(about.Link_Site, &enter);
        QCOMPARE(about.Link_Site->FontColor(), QColor(0, 0, 255));
        QCOMPARE(about.Link_Site->cursor().shape(), Qt::PointingHandCursor);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(about.Link_Site, &leave);
        QCOMPARE(about.Link_Site->FontColor(), QColor(Qt::black));
        QCOMPARE(about.Link_Site->cursor().shape(), Qt::ArrowCursor);

        QTest::mouseClick(about.Link_Site, Qt::LeftButton);
        QTest::mouseClick(about.Link_EMail, Qt::LeftButton);
        QCOMPARE(program.platform.openedUrls.size(), size_t(2));
        QCOMPARE(program.platform.openedUrls[0], about.Link_Site->text());
        QCOMPARE(program.platform.openedUrls[1],
                 QStringLiteral("mailto: ") + about.Link_EMail->text());

        parabel::ui::LinkLabel empty(program.platform, nullptr);
        empty.Click();
        QCOMPARE(program.platform.openedUrls.size(), size_t(2));
        empty.setText(QStringLiteral("http://caption.example"));
        empty.GoCaption = true;
        empty.Click();
        QCOMPARE(program.platform.openedUrls.back(), QStringLiteral("http://caption.example"));
    }

    void enterClosesAboutAndClosingRedraws() {
        Program program;
        program.Show();
        Solve(program, QStringLiteral("x^2-5x+6"));
        auto& about = *program.about;
        WhileOpen(
            &about,
            [&] {
                program.main->PbSurface().Repaint();
                about.Ed_ICQ->setFocus();
                QTest::keyClick(about.Ed_ICQ, Qt::Key_Return);
                QVERIFY(!about.isVisible());
            },
            [&] { program.main->N9->trigger(); });
        QCOMPARE(program.main->PbSurface().PixelAt(150, 100), 0xFFFF0000u);
        QVERIFY(program.main->Timer1->isActive());
    }
};

QTEST_MAIN(FullScreenAboutTest)
#include "full_screen_about_test.moc"
