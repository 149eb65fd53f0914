#include "images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace parabel::ui {

namespace {

using Draw = void (*)(QPainter&);

void hardDisk(QPainter& p) {
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(1, 5, 14, 7);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(3, 8, 6, 2);
    p.setBrush(QColor(0, 200, 0));
    p.drawRect(12, 9, 1, 1);
}

void openFolder(QPainter& p) {
    p.setBrush(QColor(230, 190, 60));
    p.drawPolygon(QPolygon({{1, 3}, {6, 3}, {7, 5}, {13, 5}, {13, 13}, {1, 13}}));
    p.setBrush(QColor(250, 220, 110));
    p.drawPolygon(QPolygon({{3, 8}, {15, 8}, {13, 13}, {1, 13}}));
}

void blankPage(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}}));
    p.drawPolyline(QPolygon({{10, 1}, {10, 4}, {13, 4}}));
}

void floppy(QPainter& p) {
    p.setBrush(QColor(40, 60, 140));
    p.drawRect(1, 1, 14, 14);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 8, 5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(3, 9, 10, 6);
}

void gear(QPainter& p, QPointF centre, double radius) {
    QPainterPath path;
    for (int tooth = 0; tooth < 16; ++tooth) {
        const double angle = tooth * M_PI / 8;
        const double r = tooth % 2 == 0 ? radius : radius * 0.7;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        tooth == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    p.setBrush(QColor(150, 150, 160));
    p.drawPath(path);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius * 0.25, radius * 0.25);
}

void gearWheels(QPainter& p) {
    gear(p, {5.5, 6.0}, 5.0);
    gear(p, {11.0, 11.0}, 4.5);
}

void circlingArrows(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 120, 0), 2));
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 30 * 16, 150 * 16);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 210 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 120, 0));
    p.drawPolygon(QPolygon({{13, 1}, {14, 7}, {9, 5}}));
    p.drawPolygon(QPolygon({{3, 15}, {2, 9}, {7, 11}}));
}

void power(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawArc(QRectF(2.5, 3.5, 11, 11), 120 * 16, 300 * 16);
    p.drawLine(QPointF(8, 1.5), QPointF(8, 8));
}

void magnifyingGlass(QPainter& p) {
    p.setBrush(QColor(200, 230, 255));
    p.setPen(QPen(Qt::black, 1.5));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(QPen(QColor(120, 70, 20), 3));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
}

void runningFigure(QPainter& p) {
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(9, 0.5, 3.5, 3.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.6));
    p.drawPolyline(QPolygonF({{10, 4.5}, {8, 9}, {4, 11}, {2, 14}}));  // body, back leg
    p.drawPolyline(QPolygonF({{8, 9}, {11, 11}, {11, 15}}));           // front leg
    p.drawPolyline(QPolygonF({{4, 6}, {7, 5}, {10, 4.5}, {13, 7}}));   // arms
}

void printer(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 8, 5);  // the sheet going in
    p.setBrush(QColor(170, 170, 175));
    p.drawRect(1, 6, 14, 6);  // the body
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 8, 5);  // the printed sheet
    p.setPen(QColor(120, 120, 120));
    p.drawLine(QPointF(5.5, 12.5), QPointF(10.5, 12.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 170, 0));
    p.drawRect(12, 7, 1, 1);
}

Draw drawingOf(ToolImage image) {
    switch (image) {
        case ToolImage::kHardDisk:
            return hardDisk;
        case ToolImage::kOpenFolder:
            return openFolder;
        case ToolImage::kBlankPage:
            return blankPage;
        case ToolImage::kFloppyDisk:
            return floppy;
        case ToolImage::kGearWheels:
            return gearWheels;
        case ToolImage::kCirclingArrows:
            return circlingArrows;
        case ToolImage::kPower:
            return power;
        case ToolImage::kMagnifyingGlass:
            return magnifyingGlass;
        case ToolImage::kRunningFigure:
            return runningFigure;
        case ToolImage::kPrinter:
            return printer;
        case ToolImage::kNone:
            break;
    }
    return blankPage;
}

QIcon paintIcon(Draw draw) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

void dot(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawEllipse(QRectF(5, 5, 6, 6));
}

void dropDown(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawPolygon(QPolygon({{4, 6}, {12, 6}, {8, 11}}));
}

}  // namespace

QIcon toolbarImage(ToolImage image) {
    return paintIcon(drawingOf(image));
}

QIcon dotImage() {
    return paintIcon(dot);
}

QIcon dropDownImage() {
    return paintIcon(dropDown);
}

}  // namespace parabel::ui
