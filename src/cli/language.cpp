#include "language.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "app/interface_language.h"
#include "core/catalog.h"
#include "input.h"

namespace parabel::cli {

namespace {

constexpr std::string_view kOption = "--language";

std::string OfferedCodes() {
    std::string codes;
    for (const Language language : OfferedLanguages()) {
        codes += (codes.empty() ? "" : ", ") + std::string(LanguageCode(language));
    }
    return codes;
}

// The offered language `code` names; the tests' pseudo-language is none.
std::optional<Language> OfferedLanguage(std::string_view code) {
    const std::optional<Language> language = LanguageFromCode(code);
    const auto offered = OfferedLanguages();
    if (!language || std::find(offered.begin(), offered.end(), *language) == offered.end()) {
        return std::nullopt;
    }
    return language;
}

}  // namespace

bool TakeLanguageOption(std::vector<std::string>& args) {
    std::optional<std::string> code;
    for (auto arg = args.begin(); arg != args.end() && *arg != "--";) {
        if (*arg == kOption) {
            if (arg + 1 == args.end()) {
                Complain("--language needs a language code (" + OfferedCodes() + ")");
                return false;
            }
            code = *(arg + 1);
            arg = args.erase(arg, arg + 2);
        } else if (arg->starts_with(std::string(kOption) + "=")) {
            code = arg->substr(kOption.size() + 1);
            arg = args.erase(arg);
        } else {
            ++arg;
        }
    }
    if (code && !OfferedLanguage(*code)) {
        Complain("unknown language \"" + *code + "\" (--language takes " + OfferedCodes() + ")");
        return false;
    }
    const std::vector<std::string> preferences =
        EnvironmentLanguages([](const char* name) -> const char* { return std::getenv(name); });
    const std::optional<std::string_view> forThisRun =
        code ? std::optional<std::string_view>(*code) : std::nullopt;
    SetLanguage(ChooseLanguage({forThisRun, std::nullopt, preferences}));
    return true;
}

}  // namespace parabel::cli
