// The pointer read-out from the device pixel the windowing system reports
// (NativePointer), as on X11, run at the scale factors 1, 1.5 and 2
// (QT_SCALE_FACTOR): every device pixel reads the plot pixel it shows, the
// last device column and row of a plot too, however the toolkit would have
// rounded the pointer's position.
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <cmath>

#include "plot/full_screen_plot.h"
#include "plot/main_plot.h"
#include "plot/picture.h"
#include "program_fixture.h"
#include "ui/native_pointer.h"

using parabel::testing::Child;
using parabel::testing::Program;
using parabel::testing::WhenActive;
using parabel::ui::NativePointer;

namespace {

// The pointer at the device pixel (x, y) of `window`, `fraction` of the way
// into it, as XInput 2 reports it; at 0, as core events do.
void MoveTo(QWidget* window, int x, int y, double fraction = 0) {
    NativePointer::instance().moved(window->windowHandle()->winId(),
                                    QPointF(x + fraction, y + fraction));
}

// The device columns of `window`'s device row `y` where its picture shows
// black, between the device columns `from` and `to`.
QList<int> BlackColumns(QWidget* window, int y, int from, int to) {
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QList<int> columns;
    for (int x = from; x < to; ++x) {
        if ((shown.pixel(x, y) & 0xFFFFFF) == 0) {
            columns << x;
        }
    }
    return columns;
}

}  // namespace

class PointerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { NativePointer::instance().setWatching(true); }
    void cleanup() { NativePointer::instance().setWatching(false); }

    // The main panel: along rows through the y-axis, every device pixel
    // where the axis shows reads X = 0, and each of the area's edges reads
    // its own pixel; outside the area and in another window nothing reads.
    void everyDevicePixelReadsThePlotPixelItShows() {
        Program program;
        program.Show();
        program.Solve(QStringLiteral("x^2-100"));  // the axes show once a plot is drawn
        QWidget* window = program.main.get();
        const qreal ratio = window->devicePixelRatioF();
        auto* plot = Child<QWidget>(window, "plotArea");
        const QPoint corner = plot->mapTo(window, QPoint(0, 0));
        const auto device = [ratio](double logical) {
            return static_cast<int>(std::lround(logical * ratio));
        };
        const int row = device(corner.y() + 8 + 65);  // above the x-axis, between ticks
        const QList<int> axis =
            BlackColumns(window, row, device(corner.x() + 150), device(corner.x() + 170));
        QVERIFY(!axis.isEmpty());
        for (const int x : axis) {
            for (const double fraction : {0.0, 0.75}) {
                MoveTo(window, x, row, fraction);
                QVERIFY2(program.Status()->text().startsWith(QStringLiteral("График функции [0;")),
                         qPrintable(program.Status()->text()));
            }
        }
        const struct {
            int x, y;  // device pixels of the window
            QPoint pixel;
        } edges[] = {
            {device(corner.x()), device(corner.y()), {0, 0}},
            {device(corner.x() + 322) - 1, device(corner.y() + 338) - 1, {321, 337}},
        };
        for (const auto& edge : edges) {
            program.Status()->clear();
            MoveTo(window, edge.x, edge.y, 0.5);
            QCOMPARE(program.Status()->text(),
                     QString::fromStdString(parabel::PointerText(edge.pixel.x(), edge.pixel.y())));
        }
        // Along the area's edges, the frame's and the plot's, every device
        // pixel that reads a picture pixel shows its colour, and every device
        // pixel wholly inside the area reads one.
        QSignalSpy read(plot, SIGNAL(pointerMoved(QPoint, QPoint)));
        const parabel::Picture picture = parabel::ComposeMainPicture(program.main->panel());
        const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRectF area(corner * ratio, QSizeF(322, 338) * ratio);
        const QRect whollyInside(
            QPoint(std::ceil(area.left()), std::ceil(area.top())),
            QPoint(std::floor(area.right()) - 1, std::floor(area.bottom()) - 1));
        const QRect inner = whollyInside.adjusted(device(10), device(10), -device(16), -device(16));
        QStringList wrong;
        for (int y = whollyInside.top() - 1; y <= whollyInside.bottom() + 1; ++y) {
            for (int x = whollyInside.left() - 1; x <= whollyInside.right() + 1; ++x) {
                if (inner.contains(x, y)) {
                    continue;
                }
                read.clear();
                MoveTo(window, x, y, 0.5);
                const QPoint pixel = read.isEmpty() ? QPoint(-1, -1) : read[0][0].toPoint();
                if (read.isEmpty() ? whollyInside.contains(x, y)
                                   : shown.pixel(x, y) != picture.At(pixel.x(), pixel.y())) {
                    wrong << QStringLiteral("(%1, %2) reads (%3, %4)")
                                 .arg(x - whollyInside.left())
                                 .arg(y - whollyInside.top())
                                 .arg(pixel.x())
                                 .arg(pixel.y());
                }
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 8).join(", ")));
        program.Status()->clear();
        MoveTo(window, device(corner.x() + 322), device(corner.y() + 10));
        MoveTo(window, device(corner.x()) - 1, device(corner.y() + 10), 0.5);
        NativePointer::instance().moved(window->windowHandle()->winId() + 1,
                                        QPointF(device(corner.x() + 10), device(corner.y() + 10)));
        QCOMPARE(program.Status()->text(), QString());
    }

    // Full screen: the y-axis reads 0 on each device pixel it shows on.
    void theFullScreenAxisReadsZeroOnEachOfItsDevicePixels() {
        Program program;
        program.Show();
        QStringList readOuts;
        WhenActive(program.FullScreen(), [&] {
            QWidget* window = program.FullScreen();
            const qreal ratio = window->devicePixelRatioF();
            const QPoint axisTop =
                window->mapFromGlobal(QPoint(512 + 8, 205));  // a 1024 x 768 screen
            const int row = static_cast<int>(std::lround(axisTop.y() * ratio));
            const QList<int> axis =
                BlackColumns(window, row, static_cast<int>((axisTop.x() - 5) * ratio),
                             static_cast<int>((axisTop.x() + 5) * ratio));
            for (const int x : axis) {
                MoveTo(window, x, row, 0.5);
                readOuts << program.FullScreenStatus()->text().section(';', 0, 0);
            }
            program.FullScreen()->close();
        });
        program.main->openFullScreen();
        QVERIFY(!readOuts.isEmpty());
        for (const QString& readOut : readOuts) {
            QCOMPARE(readOut, QStringLiteral("[0"));
        }
    }

    // The toolkit's own positions are not read while the system's are.
    void theToolkitsRoundedPositionIsNotReadToo() {
        Program program;
        program.Show();
        auto* plot = Child<QWidget>(program.main.get(), "plotArea");
        program.Status()->clear();
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), plot->mapToGlobal(QPointF(10, 10)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(plot, &move);
        QCOMPARE(program.Status()->text(), QString());
    }
};

QTEST_MAIN(PointerTest)
#include "pointer_test.moc"
