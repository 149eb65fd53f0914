// The program's command line: `parabel [--help | --version] [--language
// CODE] [-e EQUATION | FILE]`, beside the toolkit's own options, which the toolkit takes for
// itself.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace parabel {

struct ProgramArguments {
    enum class Action { kRun, kHelp, kVersion, kError };
    Action action = Action::kRun;
    std::string file;   // the equation file to load at start-up, or ""
    std::string error;  // for kError: what is wrong, one line
    // The equation to solve at start-up (-e EQUATION, --equation=EQUATION),
    // as given; nothing when none is.
    std::optional<std::string> equation;
    // The interface language for this run (--language en, --language=ru), a
    // code the catalog has; nothing when none is given.
    std::optional<std::string> language;
};

// Reads the arguments after the program's name. --help (-h) and --version
// win over everything else; "--" ends the options; the toolkit's options
// (-style S, -platform P, -reverse, ..., with one or two dashes) are left
// to it; any other option, a second file or equation, or a file beside an
// equation, is an error.
ProgramArguments ParseProgramArguments(const std::vector<std::string>& arguments);

// The usage text of --help, ending in a newline.
std::string ProgramUsage();

}  // namespace parabel
