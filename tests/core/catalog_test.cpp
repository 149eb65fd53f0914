#include "core/catalog.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

namespace parabel {
namespace {

using M = Message;

// The texts of the worked solution, its messages and the read-out, which a
// user reads and saves: Russian exactly as the program has always written
// them, and their English.
TEST(Catalog, HoldsTheSolutionsTextsInRussianAndEnglish) {
    struct Row {
        Message message;
        const char* russian;
        const char* english;
    };
    const Row rows[] = {
        {M::kSolutionTitle, "Решение", "Solution"},
        {M::kSolutionNoRoots, "D<0 - Корней нет.", "D<0 - No roots."},
        {M::kSolutionNoRootsAnswer, "Ответ: Корней нет.", "Answer: No roots."},
        {M::kSolutionOneRoot, "D=0 - Один корень.", "D=0 - One root."},
        {M::kSolutionOneRootAnswer, "Ответ: {x}", "Answer: {x}"},
        {M::kSolutionTwoRoots, "D>0 - Два корня.", "D>0 - Two roots."},
        {M::kSolutionTwoRootsAnswer, "Ответ: x(1)={x1} ; x(2)={x2}",
         "Answer: x(1)={x1} ; x(2)={x2}"},
        {M::kSolutionFormError,
         "Уравнение не соответствует виду ax^2+bx+c, где\n a-любое число не равное 0\n"
         " b-любое число\n c-любое число",
         "The equation is not of the form ax^2+bx+c, where\n a - any number other than 0\n"
         " b - any number\n c - any number"},
        {M::kSolutionConversionError, "Коэффициент выражен в неприемлимом виде.",
         "A coefficient is written in a form that cannot be read."},
        {M::kSolutionErrorCaption, "Error", "Error"},
        {M::kBoxError, "Ошибка", "Error"},
        {M::kPlotReadOut, "График функции [{x};{y}]", "Graph of the function [{x};{y}]"},
        {M::kErrorEquationTooLong, "Уравнение длиннее {max} знаков не помещается в поле уравнения.",
         "An equation longer than {max} characters does not fit in the equation field."},
        {M::kMenuFile, "&Файл", "&File"},
        {M::kCommandSolveHint, "Решать !!!", "Solve !!!"},
        {M::kCommandAbout, "О Прогрмме", "About"},
        {M::kExitQuestion, "Подтверждаете выход из программы ?",
         "Do you really want to exit the program?"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(MessageId(row.message));
        EXPECT_EQ(Text(row.message, Language::kRu), row.russian);
        EXPECT_EQ(Text(row.message, Language::kEn), row.english);
    }
}

// Every id has a text in every language, and finds its way back from its id;
// the tests' pseudo-language marks every line of the Russian text.
TEST(Catalog, EveryMessageHasATextInEveryLanguage) {
    std::set<std::string_view> ids;
    for (std::size_t i = 0; i < kMessageCount; ++i) {
        const auto message = static_cast<Message>(i);
        SCOPED_TRACE(MessageId(message));
        EXPECT_TRUE(ids.insert(MessageId(message)).second);
        EXPECT_EQ(MessageFromId(MessageId(message)), message);
        for (std::size_t l = 0; l < kLanguageCount; ++l) {
            EXPECT_FALSE(Text(message, static_cast<Language>(l)).empty());
        }
        const std::string_view pseudo = Text(message, Language::kXPseudo);
        EXPECT_TRUE(pseudo.starts_with("\u2039") && pseudo.ends_with("\u203A")) << pseudo;
        EXPECT_NE(pseudo.find(Text(message, Language::kRu).substr(0, 4)), std::string_view::npos);
    }
    EXPECT_EQ(MessageFromId("solution.nonsense"), std::nullopt);
    EXPECT_EQ(Text(M::kSolutionFormError, Language::kXPseudo).find("\n a"),
              std::string_view::npos);  // each line marked on its own
}

// A code, a locale's name or a browser's language names its language;
// anything the catalog has not, nothing.
TEST(Catalog, LanguageFromCodeReadsCodesAndLocales) {
    const std::pair<const char*, std::optional<Language>> rows[] = {
        {"ru", Language::kRu},
        {"en", Language::kEn},
        {"EN", Language::kEn},
        {"en_GB.UTF-8", Language::kEn},
        {"en-US", Language::kEn},
        {"ru_RU.KOI8-R", Language::kRu},
        {"ru_UA@euro", Language::kRu},
        {"en.UTF-8", Language::kEn},
        {"x-pseudo", Language::kXPseudo},
        {"", std::nullopt},
        {"C", std::nullopt},
        {"C.UTF-8", std::nullopt},
        {"POSIX", std::nullopt},
        {"de_DE.UTF-8", std::nullopt},
        {"english", std::nullopt},
        {"_en", std::nullopt},
        {"x-pseudo_RU", std::nullopt},
    };
    for (const auto& [code, language] : rows) {
        SCOPED_TRACE(code);
        EXPECT_EQ(LanguageFromCode(code), language);
    }
    ASSERT_EQ(OfferedLanguages().size(), 2u);
    EXPECT_EQ(OfferedLanguages()[0], Language::kRu);
    EXPECT_EQ(OfferedLanguages()[1], Language::kEn);
    for (const Language language : OfferedLanguages()) {
        EXPECT_EQ(LanguageFromCode(LanguageCode(language)), language);
    }
}

// The process's language picks the texts; placeholders are filled in it.
TEST(Catalog, TextsFollowTheChosenLanguage) {
    EXPECT_EQ(CurrentLanguage(), Language::kRu);
    EXPECT_EQ(FormatText(M::kPlotReadOut, {{"x", "-1,5"}, {"y", "2"}}), "График функции [-1,5;2]");
    SetLanguage(Language::kEn);
    EXPECT_EQ(Text(M::kSolutionTitle), "Solution");
    EXPECT_EQ(FormatText(M::kSolutionTwoRootsAnswer, {{"x2", "2"}, {"x1", "3"}}),
              "Answer: x(1)=3 ; x(2)=2");
    // A placeholder without a value stays as it is.
    EXPECT_EQ(FormatText(M::kPlotReadOut, {{"x", "1"}}), "Graph of the function [1;{y}]");
    SetLanguage(Language::kRu);
    EXPECT_EQ(Text(M::kSolutionTitle), "Решение");
}

}  // namespace
}  // namespace parabel
