// The drop-down list of the equations solved, under the equation field, as a
// combo box lists its items: one column, newest first, at most ten rows high
// with a scroll bar for the rest, the first row highlighted. Up, Down, Home,
// End and the page keys move in it, Enter or a click chooses, Escape closes
// it; other keys go on typing into the field.
#pragma once

#include <QObject>
#include <string>
#include <vector>

class QAbstractItemView;
class QCompleter;
class QLineEdit;

namespace parabel::ui {

class HistoryList : public QObject {
    Q_OBJECT
  public:
    // The list of `field`, which it opens under.
    explicit HistoryList(QLineEdit* field);

    // Opens the list of `equations`; with none, one row that says so and
    // cannot be chosen.
    void open(const std::vector<std::string>& equations);
    // The list's view: a window of its own while open; none before the
    // list first opens.
    QAbstractItemView* view() const;

  signals:
    void chosen(const QString& equation);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QCompleter* completer();

    QLineEdit* field_;
    QCompleter* completer_ = nullptr;
};

}  // namespace parabel::ui
