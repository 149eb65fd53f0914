// The list of the worked solution's lines. For screen readers its lines are
// list items named by their text, the separator lines are separators, and a
// line is "focused" only while the list has the focus.
#pragma once

#include <QListWidget>

class QAccessibleInterface;

namespace parabel::ui {

class SolutionList : public QListWidget {
    Q_OBJECT
  public:
    using QListWidget::QListWidget;

    // A line of underscores that separates the solution's parts.
    static bool isSeparatorLine(const QString& line);

    // What screen readers see of `list` (see accessibility.h).
    static QAccessibleInterface* accessibleInterface(SolutionList* list);
};

}  // namespace parabel::ui
