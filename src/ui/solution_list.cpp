#include "solution_list.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

namespace parabel::ui {

bool SolutionList::isSeparatorLine(const QString& line) {
    return !line.isEmpty() && line.count(u'_') == line.size();
}

namespace {

// One line of the list.
class LineAccessible final : public QAccessibleInterface {
  public:
    LineAccessible(SolutionList* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ != nullptr && row_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return list_ != nullptr ? list_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override {
        if (!isValid() || kind != QAccessible::Name || isSeparator()) {
            return {};
        }
        return list_->item(row_)->text();
    }

    QAccessible::Role role() const override {
        return isSeparator() ? QAccessible::Separator : QAccessible::ListItem;
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QListWidgetItem* item = list_->item(row_);
        state.selectable = state.focusable = !isSeparator();
        state.selected = item->isSelected();
        // Only while the list itself has the focus: the list keeps its
        // current line when the focus leaves, but that line is not focused.
        state.focused = list_->hasFocus() && list_->currentRow() == row_;
        state.invisible = !list_->viewport()->rect().intersects(list_->visualItemRect(item));
        return state;
    }

    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect local = list_->visualItemRect(list_->item(row_));
        return QRect(list_->viewport()->mapToGlobal(local.topLeft()), local.size());
    }

  private:
    bool isSeparator() const {
        return isValid() && SolutionList::isSeparatorLine(list_->item(row_)->text());
    }

    QPointer<SolutionList> list_;
    int row_;
};

// The list: its children are its lines, made when first asked for and
// dropped whenever the lines change.
class ListAccessible final : public QAccessibleWidget {
  public:
    explicit ListAccessible(SolutionList* list) : QAccessibleWidget(list, QAccessible::List) {
        // The connections end with this interface, which may go before the
        // list's model does.
        QAbstractItemModel* model = list->model();
        for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
            QObject::connect(model, signal, &listening_, [this] { dropLines(); });
        }
        QObject::connect(model, &QAbstractItemModel::modelReset, &listening_,
                         [this] { dropLines(); });
    }
    ~ListAccessible() override { dropLines(); }

    int childCount() const override { return list()->count(); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        if (lines_.size() < static_cast<std::size_t>(childCount())) {
            lines_.resize(static_cast<std::size_t>(childCount()), 0);
        }
        QAccessible::Id& id = lines_[static_cast<std::size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new LineAccessible(list(), index));
        }
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < static_cast<int>(lines_.size()); ++index) {
            if (lines_[static_cast<std::size_t>(index)] != 0 &&
                QAccessible::accessibleInterface(lines_[static_cast<std::size_t>(index)]) ==
                    child) {
                return index;
            }
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = list()->viewport()->mapFromGlobal(QPoint(x, y));
        const QListWidgetItem* item = list()->itemAt(local);
        return item != nullptr ? child(list()->row(item)) : nullptr;
    }

  private:
    SolutionList* list() const { return static_cast<SolutionList*>(widget()); }

    void dropLines() {
        for (const QAccessible::Id id : lines_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
        lines_.clear();
    }

    mutable std::vector<QAccessible::Id> lines_;
    QObject listening_;
};

}  // namespace

QAccessibleInterface* SolutionList::accessibleInterface(SolutionList* list) {
    return new ListAccessible(list);
}

}  // namespace parabel::ui
