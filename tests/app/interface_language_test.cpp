#include "app/interface_language.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/catalog.h"

namespace parabel {
namespace {

// The environment the reader sees, one table row at a time.
const std::map<std::string, std::string>* environment = nullptr;

const char* ReadVariable(const char* name) {
    const auto found = environment->find(name);
    return found == environment->end() ? nullptr : found->second.c_str();
}

// The user's interface languages, as gettext reads them, and the language
// they choose when nothing else does.
TEST(InterfaceLanguage, ReadsTheEnvironmentAsGettextDoes) {
    struct Row {
        std::map<std::string, std::string> variables;
        std::vector<std::string> languages;
        Language chosen;
    };
    const Row rows[] = {
        {{}, {}, Language::kRu},
        {{{"LANG", "C"}}, {}, Language::kRu},
        {{{"LANG", "POSIX"}, {"LANGUAGE", "en"}}, {}, Language::kRu},
        {{{"LC_ALL", "C.UTF-8"}, {"LANG", "en_GB.UTF-8"}}, {}, Language::kRu},
        {{{"LANG", "de_DE.UTF-8"}}, {"de_DE.UTF-8"}, Language::kRu},
        {{{"LANG", "en_GB.UTF-8"}}, {"en_GB.UTF-8"}, Language::kEn},
        {{{"LANG", "ru_RU.UTF-8"}, {"LANGUAGE", "en:ru"}},
         {"en", "ru", "ru_RU.UTF-8"},
         Language::kEn},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "de::ru:"}},
         {"de", "ru", "en_US.UTF-8"},
         Language::kRu},
        {{{"LANG", "ru_RU.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, {"en_US.UTF-8"}, Language::kEn},
        {{{"LANG", "ru_RU.UTF-8"}, {"LC_MESSAGES", ""}, {"LC_ALL", "en_IE"}},
         {"en_IE"},
         Language::kEn},
        // No locale at all: LANGUAGE alone is not read.
        {{{"LANGUAGE", "en"}}, {}, Language::kRu},
    };
    for (const Row& row : rows) {
        environment = &row.variables;
        const std::vector<std::string> languages = EnvironmentLanguages(ReadVariable);
        EXPECT_EQ(languages, row.languages);
        EXPECT_EQ(ChooseLanguage({std::nullopt, std::nullopt, languages}), row.chosen);
    }
    environment = nullptr;
}

// The run's choice before the remembered one before the user's languages; a
// source naming nothing the catalog has is passed over.
TEST(InterfaceLanguage, ChoosesTheFirstSourceThatNamesALanguage) {
    struct Row {
        std::optional<std::string_view> forThisRun;
        std::optional<std::string_view> remembered;
        std::vector<std::string> preferences;
        Language chosen;
    };
    const Row rows[] = {
        {"en", "ru\n", {"ru"}, Language::kEn},
        {"de", "en\n", {"ru"}, Language::kEn},
        {std::nullopt, " en \r\n", {"ru"}, Language::kEn},
        {std::nullopt, "\x01garbage", {"en-US"}, Language::kEn},
        {std::nullopt, "", {"fr", "en"}, Language::kEn},
        {std::nullopt, std::nullopt, {"fr", "de"}, Language::kRu},
        {std::nullopt, std::nullopt, {"C", "en"}, Language::kRu},
        {"EN", std::nullopt, {}, Language::kEn},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.remembered.value_or("(none)"));
        EXPECT_EQ(ChooseLanguage({row.forThisRun, row.remembered, row.preferences}), row.chosen);
    }
}

// The remembered choice reads back whatever surrounds it; damage reads as
// none.
TEST(InterfaceLanguage, TheSavedChoiceReadsBack) {
    for (const Language language : OfferedLanguages()) {
        EXPECT_EQ(ReadLanguageChoice(LanguageChoiceText(language)), language);
    }
    EXPECT_EQ(LanguageChoiceText(Language::kEn), "en\n");
    EXPECT_EQ(ReadLanguageChoice("  ru\r\n"), Language::kRu);
    EXPECT_EQ(ReadLanguageChoice("e"), std::nullopt);
    EXPECT_EQ(ReadLanguageChoice(""), std::nullopt);
    EXPECT_EQ(ReadLanguageChoice(std::string_view("en\0", 3)), std::nullopt);
}

}  // namespace
}  // namespace parabel
