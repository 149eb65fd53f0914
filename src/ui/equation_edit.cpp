#include "equation_edit.h"

#include <QKeyEvent>
#include <QValidator>

#include <limits>

#include "app/equation_field.h"

namespace parabel::ui {

namespace {

// Lowers and filters what is typed or pasted, keeping the cursor in place;
// an edit that leaves more than the field holds is undone whole.
class LowerCaseValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override {
        const QString kept = EquationEdit::acceptedText(input);
        if (!FitsEquationField(kept.toStdString())) {
            return Invalid;
        }
        position = static_cast<int>(EquationEdit::acceptedText(input.left(position)).size());
        input = kept;
        return Acceptable;
    }
};

}  // namespace

EquationEdit::EquationEdit(QWidget* parent) : QLineEdit(parent) {
    // The field's own limit is the validator's: QLineEdit's would cut a
    // pasted text at its length without a word.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new LowerCaseValidator(this));
    connect(this, &QLineEdit::inputRejected, this, &EquationEdit::tooLong);
}

QString EquationEdit::acceptedText(const QString& text) {
    return QString::fromStdString(EquationFieldText(text.toStdString()));
}

bool EquationEdit::setEquation(const QString& text) {
    const QString kept = acceptedText(text);
    if (!FitsEquationField(kept.toStdString())) {
        emit tooLong();
        return false;
    }
    setText(kept);
    return true;
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
