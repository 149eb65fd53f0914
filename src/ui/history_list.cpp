#include "history_list.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>

#include "core/catalog.h"

namespace parabel::ui {

namespace {

constexpr int kRowsShown = 10;

}  // namespace

HistoryList::HistoryList(QLineEdit* field) : QObject(field), field_(field) {}

QCompleter* HistoryList::completer() {
    // Made when first opened: start-up does not pay for a list it does not
    // show. The toolkit's completion list, opened only on request: the field
    // keeps no completer of its own, so typing never opens it.
    if (completer_ != nullptr) {
        return completer_;
    }
    completer_ = new QCompleter(this);
    completer_->setWidget(field_);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(kRowsShown);
    completer_->setObjectName(QStringLiteral("historyList"));
    view()->setObjectName(QStringLiteral("historyList"));
    // A click chooses through the completer; the keys that would reach the
    // field first (Enter would solve it, Home and End move in it) are the
    // list's own while it is open.
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
            &HistoryList::chosen);
    return completer_;
}

QAbstractItemView* HistoryList::view() const {
    return completer_ != nullptr ? completer_->popup() : nullptr;
}

bool HistoryList::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool listKey =
        key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!listKey) {
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();  // the list's key, not the window's shortcut (Enter solves)
        return true;
    }
    const QAbstractItemModel* rows = view()->model();
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        view()->setCurrentIndex(rows->index(key == Qt::Key_Home ? 0 : rows->rowCount() - 1, 0));
        return true;
    }
    const QModelIndex current = view()->currentIndex();
    view()->hide();
    if (current.isValid() && current.flags().testFlag(Qt::ItemIsEnabled)) {
        emit chosen(current.data().toString());
    }
    return true;
}

void HistoryList::open(const std::vector<std::string>& equations) {
    auto* rows = new QStandardItemModel(completer());
    for (const std::string& equation : equations) {
        auto* row = new QStandardItem(QString::fromStdString(equation));
        row->setEditable(false);
        rows->appendRow(row);
    }
    if (equations.empty()) {
        auto* none = new QStandardItem(QString::fromUtf8(Text(Message::kHistoryNone)));
        none->setFlags(Qt::NoItemFlags);
        rows->appendRow(none);
    }
    completer_->setModel(rows);  // the last list's rows go with it
    view()->setAccessibleName(QString::fromUtf8(Text(Message::kCommandHistory)));
    // Ahead of the completer's, which the new rows set up anew.
    view()->installEventFilter(this);
    completer_->setCompletionPrefix(QString());
    completer_->complete(field_->rect());
    if (!equations.empty()) {
        view()->setCurrentIndex(completer_->completionModel()->index(0, 0));
    }
}

}  // namespace parabel::ui
