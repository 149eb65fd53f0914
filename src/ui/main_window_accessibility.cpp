// The main window for keyboards: the keys of the menu bar. The controls'
// accessible names and descriptions are among the window's words
// (main_window_texts.cpp).
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>

#include "accessibility.h"
#include "equation_edit.h"
#include "layout_keys.h"
#include "main_window.h"
#include "plot_area.h"
#include "solution_list.h"

namespace parabel::ui {

namespace {

// One Escape in a menu that a key opened (F10, Alt with a letter) closes it
// and gives the keyboard back to where it was: without this the menu bar
// would keep the keyboard, showing nothing, and take the next letters typed
// as its own.
class EscapeLeavesTheMenuBar final : public QObject {
  public:
    explicit EscapeLeavesTheMenuBar(QMenuBar* bar) : QObject(bar), bar_(bar) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) {
            return false;
        }
        static_cast<QMenu*>(watched)->hide();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(bar_, &escape);
        return true;
    }

  private:
    QMenuBar* bar_;
};

}  // namespace

void MainWindow::createMenuKeys() {
    // F10 opens the first menu, as on the common desktops.
    auto* key = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(key, &QShortcut::activated, this,
            [this] { openMenuByKey(menuBar(), menuBar()->actions().constFirst()); });
    // The menus of the bar itself; a submenu's Escape goes back to its menu.
    auto* escape = new EscapeLeavesTheMenuBar(menuBar());
    for (QAction* title : menuBar()->actions()) {
        if (QMenu* menu = title->menu()) {
            menu->installEventFilter(escape);
        }
    }
}

}  // namespace parabel::ui
