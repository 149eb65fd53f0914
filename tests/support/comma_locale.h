// A locale whose decimal separator is a comma, made for the tests
// themselves, so they do not depend on which locales the machine has
// generated.
#pragma once

#include <string>

namespace parabel::testing {

constexpr const char* kCommaLocale = "ru_RU.UTF-8";

// The folder holding the compiled ru_RU.UTF-8 locale, made with localedef
// once per process; "" when it cannot be made (the locale sources of the
// Debian package "locales" are missing: scripts/setup installs them).
// Run a program with LOCPATH=<this folder> and LC_ALL=kCommaLocale.
const std::string& CommaLocalePath();

}  // namespace parabel::testing
