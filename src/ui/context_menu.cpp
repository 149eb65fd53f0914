#include "context_menu.h"

#include <QAbstractScrollArea>
#include <QMenu>

namespace parabel::ui {

QMenu* createContextMenu(QWidget* widget) {
    auto* menu = new QMenu(widget);
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
                     [widget, menu](const QPoint& position) {
                         // A scroll area reports a click in its viewport's coordinates.
                         const auto* area = qobject_cast<const QAbstractScrollArea*>(widget);
                         const QWidget* origin = area != nullptr ? area->viewport() : widget;
                         menu->popup(origin->mapToGlobal(position));
                     });
    return menu;
}

}  // namespace parabel::ui
