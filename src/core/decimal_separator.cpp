#include "decimal_separator.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace parabel {

namespace {

char g_separator = '.';

// The locale that LC_NUMERIC takes from the environment, as the C library
// chooses it: LC_ALL, LC_NUMERIC, then LANG, the first one set and not
// empty; the C locale when none is.
const char* NumericLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return "C";
}

// The C locale under any of its names ("C", "POSIX", "C." with a character
// set, as "C.UTF-8"), whose separator is '.' without a locale file to read,
// the dearest part of a command's start; unless LOCPATH points the library
// at locale definitions of the user's own.
bool IsTheCLocale(const char* name) {
    return std::getenv("LOCPATH") == nullptr &&
           (std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0 ||
            std::strncmp(name, "C.", 2) == 0);
}

}  // namespace

char DecimalSeparator() {
    return g_separator;
}

void SetDecimalSeparator(char separator) {
    g_separator = separator;
}

char ReadDecimalSeparatorFromLocale() {
    char separator = '.';
    if (IsTheCLocale(NumericLocaleName())) {
        SetDecimalSeparator(separator);
        return separator;
    }
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
