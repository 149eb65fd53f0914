#include "catalog.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>

#include "core/ascii.h"
#include "core/catalog_table.h"

namespace parabel {

namespace {

std::atomic<Language> currentLanguage{Language{}};

constexpr std::size_t kOfferedCount = kLanguageCount - 1;  // all but the pseudo-language

constexpr std::array<Language, kOfferedCount> MakeOffered() {
    std::array<Language, kOfferedCount> offered{};
    for (std::size_t i = 0; i < kOfferedCount; ++i) {
        offered[i] = static_cast<Language>(i);
    }
    return offered;
}
constexpr std::array<Language, kOfferedCount> kOffered = MakeOffered();

}  // namespace

Language CurrentLanguage() {
    return currentLanguage.load(std::memory_order_relaxed);
}

void SetLanguage(Language language) {
    currentLanguage.store(language, std::memory_order_relaxed);
}

std::string_view Text(Message message, Language language) {
    return catalog_table::kTexts[static_cast<std::size_t>(language)]
                                [static_cast<std::size_t>(message)];
}

std::string_view Text(Message message) {
    return Text(message, CurrentLanguage());
}

std::string FormatText(Message message, TextValues values) {
    const std::string_view text = Text(message);
    std::string result;
    result.reserve(text.size() + 16);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t close = text[i] == '{' ? text.find('}', i) : std::string_view::npos;
        if (close != std::string_view::npos) {
            const std::string_view name = text.substr(i + 1, close - i - 1);
            const auto* value =
                std::find_if(values.begin(), values.end(),
                             [name](const auto& pair) { return pair.first == name; });
            if (value != values.end()) {
                result += value->second;
                i = close + 1;
                continue;
            }
        }
        result += text[i++];
    }
    return result;
}

std::span<const Language> OfferedLanguages() {
    return kOffered;
}

std::string_view LanguageCode(Language language) {
    return catalog_table::kLanguageCodes[static_cast<std::size_t>(language)];
}

std::optional<Language> LanguageFromCode(std::string_view code) {
    for (std::size_t i = 0; i < kLanguageCount; ++i) {
        const auto language = static_cast<Language>(i);
        if (EqualIgnoringAsciiCase(code, LanguageCode(language))) {
            return language;
        }
    }
    // A locale or browser language: its language is the part before the
    // region, the encoding or the modifier ("en_GB.UTF-8@euro", "ru-RU").
    const std::size_t end = code.find_first_of("_-.@");
    if (end == std::string_view::npos || end == 0) {
        return std::nullopt;
    }
    const std::string_view language = code.substr(0, end);
    for (Language offered : kOffered) {
        if (EqualIgnoringAsciiCase(language, LanguageCode(offered))) {
            return offered;
        }
    }
    return std::nullopt;
}

std::string_view MessageId(Message message) {
    return catalog_table::kMessageIds[static_cast<std::size_t>(message)];
}

std::optional<Message> MessageFromId(std::string_view id) {
    for (std::size_t i = 0; i < kMessageCount; ++i) {
        if (id == catalog_table::kMessageIds[i]) {
            return static_cast<Message>(i);
        }
    }
    return std::nullopt;
}

}  // namespace parabel
