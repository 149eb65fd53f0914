// The equation field: a one-line edit that holds its text in lower case and
// only characters that Windows-1251 can hold, whether typed, pasted or set.
#pragma once

#include <QLineEdit>
#include <functional>

namespace parabel::ui {

class EquationEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit EquationEdit(QWidget* parent = nullptr);

    // Sets the text in lower case, without the characters it cannot hold.
    void SetText(const QString& text);

    // The key-down handler: called with the key and its modifiers for every
    // key pressed in the field, before the field handles it.
    std::function<void(int key, Qt::KeyboardModifiers modifiers)> onKeyDown;
    // Keys that belong to the window's menu even while the field has the
    // focus (Ctrl+A clears instead of selecting all).
    QList<QKeySequence> windowShortcuts;

    // The text in lower case without the characters the field cannot hold.
    static QString Accepted(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace parabel::ui
