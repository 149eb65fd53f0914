#include "context_menu.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QMenu>

namespace parabel::ui {

namespace {

// Remembers how the widget's last context menu was asked for: the request
// itself does not say.
class MenuReason final : public QObject {
  public:
    using QObject::QObject;
    bool byKeyboard = false;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ContextMenu) {
            byKeyboard =
                static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
        }
        return false;
    }
};

}  // namespace

QMenu* createContextMenu(QWidget* widget) {
    auto* menu = new QMenu(widget);
    auto* reason = new MenuReason(menu);
    widget->installEventFilter(reason);
    // A scroll area's viewport gets the click; the area, the menu key.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        area->viewport()->installEventFilter(reason);
    }
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
                     [widget, menu, reason](const QPoint& position) {
                         // A scroll area reports a click in its viewport's coordinates.
                         const auto* area = qobject_cast<const QAbstractScrollArea*>(widget);
                         const QWidget* origin = area != nullptr ? area->viewport() : widget;
                         QAction* first = firstItem(menu);
                         menu->popup(origin->mapToGlobal(position),
                                     reason->byKeyboard ? first : nullptr);
                         if (reason->byKeyboard && first != nullptr) {
                             menu->setActiveAction(first);
                         }
                     });
    return menu;
}

QAction* firstItem(const QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (action->isEnabled() && action->isVisible() && !action->isSeparator()) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace parabel::ui
