#include "equation_edit.h"

#include <QKeyEvent>
#include <QValidator>

#include "app/equation_field.h"

namespace parabel::ui {

namespace {

// Lowers and filters what is typed or pasted, keeping the cursor in place.
class LowerCaseValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override {
        const QString before = input.left(position);
        input = EquationEdit::acceptedText(input);
        position = static_cast<int>(EquationEdit::acceptedText(before).size());
        return Acceptable;
    }
};

}  // namespace

EquationEdit::EquationEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new LowerCaseValidator(this));
}

QString EquationEdit::acceptedText(const QString& text) {
    return QString::fromStdString(EquationFieldText(text.toStdString()));
}

void EquationEdit::setEquation(const QString& text) {
    setText(acceptedText(text));
}

void EquationEdit::keyPressEvent(QKeyEvent* event) {
    emit keyPressed(event->key(), event->modifiers());
    // Alt with a key is a menu's key, never text: on a layout whose letter
    // opens no menu it does nothing.
    if ((event->modifiers() & Qt::AltModifier) && !(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool EquationEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QKeySequence& shortcut : windowShortcuts_) {
            if (shortcut == pressed) {
                event->ignore();  // the window's shortcut runs, not the field's editing key
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

}  // namespace parabel::ui
