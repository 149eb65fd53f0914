#include "decimal_separator.h"

#include <langinfo.h>
#include <locale.h>

#include <cstring>

namespace parabel {

namespace {
char g_separator = '.';
}

char DecimalSeparator() {
    return g_separator;
}

void SetDecimalSeparator(char separator) {
    g_separator = separator;
}

char ReadDecimalSeparatorFromLocale() {
    char separator = '.';
    // A locale object of its own, so the process's global locale (which
    // printf and the toolkit use) is left alone.
    locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (locale != static_cast<locale_t>(nullptr)) {
        const char* radix = nl_langinfo_l(RADIXCHAR, locale);
        // One byte only, and a character of its own in UTF-8 text (the
        // program's strings are UTF-8), so an ASCII byte.
        if (radix != nullptr && std::strlen(radix) == 1 &&
            static_cast<unsigned char>(radix[0]) < 0x80) {
            separator = radix[0];
        }
        freelocale(locale);
    }
    SetDecimalSeparator(separator);
    return separator;
}

}  // namespace parabel
