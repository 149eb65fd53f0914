// Every text a user can see or save, in the interface language: menus, hints,
// boxes, the worked solution, the read-out, the plot's description. The texts
// live in po/*.po and are compiled into the program, so there is no file to
// find at run time. The language is one process-wide choice, like the
// decimal separator; numbers keep the locale's separator whatever it is.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/messages.h"

namespace parabel {

// The language the texts come in; the default (Russian) until set.
Language CurrentLanguage();
void SetLanguage(Language language);

// The text of `message` in the current language, or in `language`.
std::string_view Text(Message message);
std::string_view Text(Message message, Language language);

// The text with each {name} replaced by its value:
// FormatText(Message::kPlotReadOut, {{"x", "1"}, {"y", "2"}}) -> "Graph of the function
// [1;2]" in English.
using TextValues = std::initializer_list<std::pair<std::string_view, std::string_view>>;
std::string FormatText(Message message, TextValues values);

// The languages a user may choose, the default first; the tests'
// pseudo-language is not among them.
std::span<const Language> OfferedLanguages();

// "ru", "en", "x-pseudo".
std::string_view LanguageCode(Language language);
// The language a code or locale name names, if the catalog has it: "en",
// "en_GB.UTF-8", "en-US", "RU", "x-pseudo". Nothing for "C", "POSIX", "de".
std::optional<Language> LanguageFromCode(std::string_view code);

// The symbolic id of a message in the catalog ("solution.title") and back.
std::string_view MessageId(Message message);
std::optional<Message> MessageFromId(std::string_view id);

}  // namespace parabel
