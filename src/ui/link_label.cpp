#include "link_label.h"

#include <QMouseEvent>

namespace parabel::ui {

LinkLabel::LinkLabel(Platform& platform, QWidget* parent) : QLabel(parent), platform_(platform) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setTextColor(Qt::black);
    setCursor(Qt::PointingHandCursor);
}

QColor LinkLabel::textColor() const {
    return palette().color(QPalette::WindowText);
}

void LinkLabel::setTextColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

void LinkLabel::openTarget() {
    if (opensCaption_) {
        platform_.openUrl(text());
    } else if (!target_.isEmpty()) {
        platform_.openUrl(target_);
    }
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    setCursor(Qt::PointingHandCursor);
    setTextColor(QColor(0, 0, 255));
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    setTextColor(Qt::black);
    setCursor(Qt::ArrowCursor);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        openTarget();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace parabel::ui
