#include "link_label.h"

#include <QMouseEvent>

namespace parabel::ui {

LinkLabel::LinkLabel(Platform& platform, QWidget* parent) : QLabel(parent), platform_(platform) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    SetFontColor(Qt::black);
    setCursor(Qt::PointingHandCursor);
}

QColor LinkLabel::FontColor() const {
    return palette().color(QPalette::WindowText);
}

void LinkLabel::SetFontColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

void LinkLabel::MouseEnter() {
    setCursor(Qt::PointingHandCursor);
    SetFontColor(QColor(0, 0, 255));
}

void LinkLabel::MouseLeave() {
    SetFontColor(Qt::black);
    setCursor(Qt::ArrowCursor);
}

void LinkLabel::Click() {
    if (GoCaption) {
        platform_.openUrl(text());
    } else if (!Link.isEmpty()) {
        platform_.openUrl(Link);
    }
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    MouseEnter();
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    MouseLeave();
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Click();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace parabel::ui
