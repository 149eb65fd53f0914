#include "interface_language.h"

#include "core/catalog.h"

namespace parabel {

namespace {

bool IsPlainLocale(std::string_view locale) {
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    return name == "C" || name == "POSIX";
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::vector<std::string> EnvironmentLanguages(EnvironmentReader variable) {
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = variable(name);
        if (value != nullptr && *value != '\0') {
            locale = value;
            break;
        }
    }
    if (locale.empty() || IsPlainLocale(locale)) {
        return {};
    }
    std::vector<std::string> languages;
    if (const char* list = variable("LANGUAGE"); list != nullptr) {
        std::string_view rest = list;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            if (colon != 0) {
                languages.emplace_back(rest.substr(0, colon));
            }
            rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
        }
    }
    languages.emplace_back(locale);
    return languages;
}

Language ChooseLanguage(const LanguageSources& sources) {
    for (const auto& source : {sources.forThisRun, sources.remembered}) {
        if (source) {
            if (const auto language = LanguageFromCode(Trimmed(*source))) {
                return *language;
            }
        }
    }
    for (const std::string& preference : sources.preferences) {
        if (IsPlainLocale(preference)) {
            break;
        }
        if (const auto language = LanguageFromCode(preference)) {
            return *language;
        }
    }
    return OfferedLanguages().front();
}

std::string LanguageChoiceText(Language language) {
    return std::string(LanguageCode(language)) + "\n";
}

std::optional<Language> ReadLanguageChoice(std::string_view text) {
    return LanguageFromCode(Trimmed(text));
}

}  // namespace parabel
