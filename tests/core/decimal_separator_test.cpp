#include "core/decimal_separator.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cstdlib>

namespace parabel {
namespace {

// Sets LC_ALL for the duration of a test and restores it.
class ScopedLocaleVariable {
  public:
    explicit ScopedLocaleVariable(const char* value) {
        const char* old = std::getenv("LC_ALL");
        had_ = old != nullptr;
        old_ = had_ ? old : "";
        setenv("LC_ALL", value, 1);
    }
    ~ScopedLocaleVariable() {
        if (had_) {
            setenv("LC_ALL", old_.c_str(), 1);
        } else {
            unsetenv("LC_ALL");
        }
    }

  private:
    bool had_;
    std::string old_;
};

bool LocaleInstalled(const char* name) {
    locale_t locale = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) {
        return false;
    }
    freelocale(locale);
    return true;
}

TEST(DecimalSeparator, ReadFromTheLocale) {
    ScopedDecimalSeparator restore(',');
    // The C locale under each of its names; the separator is set too.
    for (const char* c : {"C", "POSIX", "C.UTF-8", "C.utf8"}) {
        SetDecimalSeparator(',');
        ScopedLocaleVariable locale(c);
        EXPECT_EQ(ReadDecimalSeparatorFromLocale(), '.') << c;
        EXPECT_EQ(DecimalSeparator(), '.') << c;
    }
    {
        ScopedLocaleVariable missing("xx_NOWHERE.UTF-8");
        EXPECT_EQ(ReadDecimalSeparatorFromLocale(), '.');  // cannot be read: '.'
    }
    for (const char* comma : {"ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (LocaleInstalled(comma)) {
            ScopedLocaleVariable locale(comma);
            EXPECT_EQ(ReadDecimalSeparatorFromLocale(), ',') << comma;
        }
    }
}

TEST(DecimalSeparator, ScopedSeparatorRestoresThePrevious) {
    SetDecimalSeparator('.');
    {
        ScopedDecimalSeparator comma(',');
        EXPECT_EQ(DecimalSeparator(), ',');
    }
    EXPECT_EQ(DecimalSeparator(), '.');
}

}  // namespace
}  // namespace parabel
