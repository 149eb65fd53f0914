#include "divided_menu_bar.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace parabel::ui {

namespace {

const QString kDivider = QStringLiteral("|");

// Leaves room between the items for a divider as wide as an item "|".
class DividerSpacing final : public QProxyStyle {
  public:
    explicit DividerSpacing(QStyle* base) : QProxyStyle(base->name()) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric != PM_MenuBarItemSpacing || widget == nullptr) {
            return value;
        }
        QStyleOptionMenuItem item;
        item.initFrom(widget);
        item.text = kDivider;
        const QSize text = widget->fontMetrics().size(Qt::TextShowMnemonic, kDivider);
        return 2 * value + sizeFromContents(CT_MenuBarItem, &item, text, widget).width();
    }
};

}  // namespace

DividedMenuBar::DividedMenuBar(QWidget* parent) : QMenuBar(parent) {
    auto* spacing = new DividerSpacing(QApplication::style());
    spacing->setParent(this);
    setStyle(spacing);
}

void DividedMenuBar::paintEvent(QPaintEvent* event) {
    QMenuBar::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    const QList<QAction*> items = actions();
    for (qsizetype i = 1; i < items.size(); ++i) {
        const QRect before = actionGeometry(items[i - 1]);
        const QRect after = actionGeometry(items[i]);
        const QRect gap(before.right() + 1, before.top(), after.left() - before.right() - 1,
                        before.height());
        painter.drawText(gap, Qt::AlignCenter, kDivider);
    }
}

}  // namespace parabel::ui
