#include "program_arguments.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/catalog.h"

namespace parabel {

namespace {

// The toolkit's own options, without their dashes: those that take a value,
// and those that stand alone.
constexpr std::array<std::string_view, 12> kToolkitOptionsWithValue = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "qwindowicon",
    "qwindowtitle",    "display",
    "geometry",        "style",
    "stylesheet",      "session"};
constexpr std::array<std::string_view, 5> kToolkitFlags = {"reverse", "widgetcount", "nograb",
                                                           "dograb", "sync"};

// The option's name without one or two leading dashes and any "=value".
std::string_view OptionName(std::string_view argument) {
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

bool Contains(auto& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The value of an option given as "--name=value" or as "--name value" (then
// the next argument, taken); nothing when it is missing.
std::optional<std::string> OptionValue(const std::vector<std::string>& arguments, std::size_t& i) {
    const std::string& argument = arguments[i];
    if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
        return argument.substr(equals + 1);
    }
    if (i + 1 < arguments.size()) {
        return arguments[++i];
    }
    return std::nullopt;
}

}  // namespace

ProgramArguments ParseProgramArguments(const std::vector<std::string>& arguments) {
    ProgramArguments parsed;
    bool optionsEnded = false;
    const auto fail = [&parsed](std::string error) {
        if (parsed.action == ProgramArguments::Action::kRun) {
            parsed = {ProgramArguments::Action::kError, "", std::move(error), std::nullopt,
                      std::nullopt};
        }
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            return {ProgramArguments::Action::kHelp, "", "", std::nullopt, std::nullopt};
        }
        if (!optionsEnded && argument == "--version") {
            return {ProgramArguments::Action::kVersion, "", "", std::nullopt, std::nullopt};
        }
        const bool languageOption = argument == "--language" || argument.starts_with("--language=");
        const bool equationOption =
            argument == "-e" || argument == "--equation" || argument.starts_with("--equation=");
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && languageOption) {
            const std::optional<std::string> code = OptionValue(arguments, i);
            if (!code) {
                fail("the option '" + argument + "' needs a language: ru or en");
            } else if (!LanguageFromCode(*code)) {
                fail("no language '" + *code + "': ru or en");
            } else if (parsed.action == ProgramArguments::Action::kRun) {
                parsed.language = *code;
            }
        } else if (!optionsEnded && equationOption) {
            const std::optional<std::string> equation = OptionValue(arguments, i);
            if (!equation) {
                fail("the option '" + argument + "' needs an equation");
            } else if (parsed.equation) {
                fail("one equation at most, not also '" + *equation + "'");
            } else if (!parsed.file.empty()) {
                fail("an equation file or an equation, not both");
            } else if (parsed.action == ProgramArguments::Action::kRun) {
                parsed.equation = equation;
            }
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            const std::string_view name = OptionName(argument);
            if (Contains(kToolkitOptionsWithValue, name)) {
                i += argument.find('=') == std::string::npos ? 1 : 0;  // its value
            } else if (!Contains(kToolkitFlags, name)) {
                fail("unknown option '" + argument + "'");
            }
        } else if (parsed.equation) {
            fail("an equation file or an equation, not both");
        } else if (parsed.action == ProgramArguments::Action::kRun && parsed.file.empty()) {
            parsed.file = argument;
        } else {
            fail("one equation file at most, not also '" + argument + "'");
        }
    }
    return parsed;
}

std::string ProgramUsage() {
    return "Usage: parabel [OPTION] [FILE]\n"
           "Solves a quadratic equation with a worked solution in Russian or English and\n"
           "draws its parabola.\n"
           "\n"
           "  FILE        load the equation from the first line of FILE at start-up and\n"
           "              solve it, as the load command (Ctrl+L) does\n"
           "  -e, --equation=EQUATION\n"
           "              start with EQUATION in the field, solved, as Enter does\n"
           "              (for example: parabel -e 'x^2-5x+6')\n"
           "  --language=ru|en\n"
           "              speak Russian or English for this run; otherwise the language\n"
           "              last chosen in the Settings menu, else the first of LANGUAGE,\n"
           "              LC_ALL, LC_MESSAGES, LANG that is one of them, else Russian\n"
           "  -h, --help  show this help and exit\n"
           "  --version   show the version and exit\n"
           "\n"
           "The window needs a display (X11 or Wayland). The curve colour is kept in\n"
           "$XDG_CONFIG_HOME/org.parabel.Parabel/Inf.ini (default\n"
           "~/.config/org.parabel.Parabel/Inf.ini) for a program installed in the\n"
           "system's program folders; a copy anywhere else keeps Inf.ini beside itself\n"
           "when that folder is writable or the file exists there. The equations solved\n"
           "are remembered in $XDG_STATE_HOME/org.parabel.Parabel/history (default\n"
           "~/.local/state/org.parabel.Parabel/history), the language chosen in\n"
           "$XDG_CONFIG_HOME/org.parabel.Parabel/language.\n"
           "The companion parabel-cli solves and draws without a window.\n";
}

}  // namespace parabel
