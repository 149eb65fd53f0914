// The process-wide decimal separator used by both number conversions.
//
// It is one byte, read from the locale's LC_NUMERIC category at start-up and
// again when the locale changes; '.' when the locale's separator is not a
// single ASCII byte. Both conversions read it at every call.
#pragma once

namespace parabel {

char DecimalSeparator();
void SetDecimalSeparator(char separator);

// Reads the separator of the user's locale (the LC_NUMERIC category of the
// environment) and makes it the process-wide separator. Returns it.
char ReadDecimalSeparatorFromLocale();

// Sets a separator for the lifetime of the object and restores the previous
// one afterwards; for tests and tools.
class ScopedDecimalSeparator {
  public:
    explicit ScopedDecimalSeparator(char separator) : saved_(DecimalSeparator()) {
        SetDecimalSeparator(separator);
    }
    ~ScopedDecimalSeparator() { SetDecimalSeparator(saved_); }
    ScopedDecimalSeparator(const ScopedDecimalSeparator&) = delete;
    ScopedDecimalSeparator& operator=(const ScopedDecimalSeparator&) = delete;

  private:
    char saved_;
};

}  // namespace parabel
