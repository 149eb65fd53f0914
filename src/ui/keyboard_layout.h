// The letters of the Russian and the US keyboard layouts that share a key:
// Ф and A, З and P, Н and Y. A shortcut or a menu's letter then works by the
// key a user presses, whichever of the two layouts is on.
#pragma once

#include <QChar>

namespace parabel::ui {

// The capital Latin letter on the key of a capital Cyrillic letter of the
// Russian layout (З -> P), or a null QChar when that key has no letter on
// the US layout.
QChar latinLetterOnKeyOf(QChar cyrillic);

// The capital Cyrillic letter on the key of a capital Latin letter (A -> Ф).
QChar cyrillicLetterOnKeyOf(QChar latin);

}  // namespace parabel::ui
