// A context menu of a widget's own: right click, the menu key or Shift+F10
// opens it at the pointer or the widget.
#pragma once

class QAction;
class QMenu;
class QWidget;

namespace parabel::ui {

// Makes `widget` open the menu returned, which it owns; add its items with
// QMenu::addAction, so that the menu is their parent. A highlighted item
// sends its hint (none here) to its parent, and the menu, a window of its
// own, keeps it there: the status bar goes on showing what it showed.
QMenu* createContextMenu(QWidget* widget);

// The item a menu opened from the keyboard highlights, ready for Enter, as
// desktop menus do: its first enabled one; none when it has none.
QAction* firstItem(const QMenu* menu);

}  // namespace parabel::ui
