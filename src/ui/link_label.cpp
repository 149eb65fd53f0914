#include "link_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace parabel::ui {

LinkLabel::LinkLabel(Platform& platform, QWidget* parent) : QLabel(parent), platform_(platform) {
    setFocusPolicy(Qt::StrongFocus);
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

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            openTarget();
            event->accept();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

namespace {

class LinkAccessible final : public QAccessibleWidget {
  public:
    explicit LinkAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return label()->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name == pressAction()) {
            label()->openTarget();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

  private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

}  // namespace

QAccessibleInterface* LinkLabel::accessibleInterface(LinkLabel* label) {
    return new LinkAccessible(label);
}

}  // namespace parabel::ui
