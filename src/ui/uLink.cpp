#include "uLink.h"

#include <QMouseEvent>

namespace parabel::ui {

TLink::TLink(Platform& platform, QWidget* parent) : QLabel(parent), platform_(platform) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    SetFontColor(Qt::black);
    setCursor(Qt::PointingHandCursor);
}

QColor TLink::FontColor() const {
    return palette().color(QPalette::WindowText);
}

void TLink::SetFontColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

void TLink::MouseEnter() {
    setCursor(Qt::PointingHandCursor);
    SetFontColor(QColor(0, 0, 255));
}

void TLink::MouseLeave() {
    SetFontColor(Qt::black);
    setCursor(Qt::ArrowCursor);
}

void TLink::Click() {
    if (GoCaption) {
        platform_.OpenUrl(text());
    } else if (!Link.isEmpty()) {
        platform_.OpenUrl(Link);
    }
}

void TLink::enterEvent(QEnterEvent* event) {
    MouseEnter();
    QLabel::enterEvent(event);
}

void TLink::leaveEvent(QEvent* event) {
    MouseLeave();
    QLabel::leaveEvent(event);
}

void TLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Click();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace parabel::ui
