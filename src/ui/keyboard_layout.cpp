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
    // ЙЦУКЕНГШЩЗ ФЫВАПРОЛД ЯЧСМИТЬ
    static const QString kKeys = QStringLiteral(
        u"\u0419\u0426\u0423\u041A\u0415\u041D\u0413\u0428\u0429\u0417"
        u"\u0424\u042B\u0412\u0410\u041F\u0420\u041E\u041B\u0414"
        u"\u042F\u0427\u0421\u041C\u0418\u0422\u042C");
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
