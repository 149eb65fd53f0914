#include "keyboard_layout.h"

#include <QString>

namespace parabel::ui {

namespace {

// The three letter rows of both layouts, key for key.
const QString& latinKeys() {
    static const QString kKeys = QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM");
    return kKeys;
}
const QString& cyrillicKeys() {
    static const QString kKeys = QStringLiteral("ЙЦУКЕНГШЩЗФЫВАПРОЛДЯЧСМИТЬ");
    return kKeys;
}

QChar sameKey(QChar letter, const QString& from, const QString& to) {
    const qsizetype index = from.indexOf(letter.toUpper());
    return index < 0 ? QChar() : to.at(index);
}

}  // namespace

QChar latinLetterOnKeyOf(QChar cyrillic) {
    return sameKey(cyrillic, cyrillicKeys(), latinKeys());
}

QChar cyrillicLetterOnKeyOf(QChar latin) {
    return sameKey(latin, latinKeys(), cyrillicKeys());
}

}  // namespace parabel::ui
