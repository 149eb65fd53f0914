// Which language the program speaks: the one chosen for this run
// (--language en, the page's ?lang=en), else the one the user chose and the
// program remembered, else the first of the user's interface languages that
// the catalog has, else the default (Russian) - also for the C/POSIX locale.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"

namespace parabel {

// The user's interface languages from the environment, most wanted first, as
// gettext reads them: LANGUAGE's list, then the first set of LC_ALL,
// LC_MESSAGES and LANG; nothing at all when that locale is C or POSIX.
// `variable` returns a variable's value or null.
using EnvironmentReader = const char* (*)(const char* name);
std::vector<std::string> EnvironmentLanguages(EnvironmentReader variable);

struct LanguageSources {
    std::optional<std::string_view> forThisRun;  // --language, ?lang=
    std::optional<std::string_view> remembered;  // the saved choice's text
    std::span<const std::string> preferences;    // EnvironmentLanguages, navigator.languages
};

// A source that names no language of the catalog ("de", damaged text) is
// passed over without a word: the next one decides.
Language ChooseLanguage(const LanguageSources& sources);

// The saved choice: the language's code and a line end ("en\n"); read back
// with or without the line end and surrounding spaces.
std::string LanguageChoiceText(Language language);
std::optional<Language> ReadLanguageChoice(std::string_view text);

}  // namespace parabel
