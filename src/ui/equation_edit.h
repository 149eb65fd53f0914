// The equation field: a one-line edit that holds its text in lower case and
// only characters that Windows-1251 can hold, whether typed, pasted or set;
// a superscript two comes in as "^2", a line break is removed. A text longer
// than the field holds (kEquationFieldMaxLength) is refused whole, never cut.
#pragma once

#include <QLineEdit>

namespace parabel::ui {

class EquationEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit EquationEdit(QWidget* parent = nullptr);

    // Sets the text as acceptedText keeps it; false, after tooLong, when the
    // field cannot hold it and keeps its own text.
    bool setEquation(const QString& text);

    // Keys that belong to the window's menu even while the field has the
    // focus (Ctrl+A clears instead of selecting all).
    void setWindowShortcuts(QList<QKeySequence> shortcuts) {
        windowShortcuts_ = std::move(shortcuts);
    }

    // The text in lower case, "²" written as "^2", without the characters
    // the field cannot hold.
    static QString acceptedText(const QString& text);

  signals:
    // A text typed, pasted, dropped or set was longer than the field holds:
    // the field kept what it had.
    void tooLong();
    // Every key pressed in the field, before the field handles it.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    QList<QKeySequence> windowShortcuts_;
};

}  // namespace parabel::ui
