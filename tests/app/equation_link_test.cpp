// Equations in the page's address: written into the fragment and read back
// as the field takes any text.
#include "app/equation_link.h"

#include <gtest/gtest.h>

namespace parabel {
namespace {

TEST(EquationLink, WrittenAndReadBack) {
    const std::pair<const char*, const char*> rows[] = {
        {"x^2-5x+6", "#x^2-5x+6"},
        {"x^2-5x+6=0", "#x^2-5x+6=0"},
        {"x^2+0,5x", "#x^2+0,5x"},
        {"x^2 - 4", "#x^2%20-%204"},
        {"х^2", "#%D1%85^2"},  // a Cyrillic letter
        {"x^2+100%", "#x^2+100%25"},
        {"x^2#1", "#x^2%231"},
        {"\"<>`\\{|}", "#%22%3C%3E%60%5C%7B%7C%7D"},
    };
    for (const auto& [field, fragment] : rows) {
        EXPECT_EQ(EquationFragment(field), fragment);
        EXPECT_EQ(EquationOfFragment(fragment), field) << fragment;
    }
}

TEST(EquationLink, AnyFragmentIsTakenAsTypedText) {
    const std::pair<const char*, std::optional<std::string>> rows[] = {
        {"", std::nullopt},
        {"#", std::nullopt},
        {"X%5E2-4", "x^2-4"},                  // no "#": the fragment as a page reads it
        {"#x%C2%B2%E2%88%925x", "x^2-5x"},     // "x²−5x" as another page writes it
        {"#x^2%", "x^2%"},                     // a "%" that starts no byte stays
        {"#x^2%4", "x^2%4"},
        {"#x^2%zz", "x^2%zz"},
        {"#%FF", "?"},                         // no UTF-8: shown, not dropped
        {"#%00x", "?x"},
    };
    for (const auto& [fragment, field] : rows) {
        EXPECT_EQ(EquationOfFragment(fragment), field) << fragment;
    }
}

}  // namespace
}  // namespace parabel
