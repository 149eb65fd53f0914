#include "app/program_arguments.h"

#include <gtest/gtest.h>

namespace parabel {
namespace {

using Action = ProgramArguments::Action;

struct Row {
    std::vector<std::string> arguments;
    Action action;
    std::string file;
    std::string errorPart;
    std::optional<std::string> equation = std::nullopt;
    std::optional<std::string> language = std::nullopt;
};

TEST(ParseProgramArguments, HelpVersionFileToolkitOptionsAndErrors) {
    const Row rows[] = {
        {{}, Action::kRun, "", ""},
        {{"eq.txt"}, Action::kRun, "eq.txt", ""},
        {{"--help"}, Action::kHelp, "", ""},
        {{"-h"}, Action::kHelp, "", ""},
        {{"--version"}, Action::kVersion, "", ""},
        {{"eq.txt", "--frobnicate", "--version"}, Action::kVersion, "", ""},
        {{"--frobnicate"}, Action::kError, "", "unknown option '--frobnicate'"},
        {{"-x"}, Action::kError, "", "unknown option '-x'"},
        {{"a.txt", "b.txt"}, Action::kError, "", "one equation file at most"},
        {{"--", "--help"}, Action::kRun, "--help", ""},
        {{"--", "-x"}, Action::kRun, "-x", ""},
        {{"-"}, Action::kRun, "-", ""},
        // The toolkit's own options and their values are left to it.
        {{"-style", "fusion", "eq.txt"}, Action::kRun, "eq.txt", ""},
        {{"--platform=xcb", "eq.txt"}, Action::kRun, "eq.txt", ""},
        {{"-reverse", "eq.txt"}, Action::kRun, "eq.txt", ""},
        {{"-geometry", "400x300", "-qwindowtitle", "T"}, Action::kRun, "", ""},
        // An equation to solve at start-up, in place of a file.
        {{"-e", "x^2-5x+6"}, Action::kRun, "", "", "x^2-5x+6"},
        {{"--equation=-x^2+4"}, Action::kRun, "", "", "-x^2+4"},
        {{"--equation", "-x^2"}, Action::kRun, "", "", "-x^2"},
        {{"-e", ""}, Action::kRun, "", "", ""},
        {{"-style", "fusion", "-e", "x^2"}, Action::kRun, "", "", "x^2"},
        {{"-e"}, Action::kError, "", "'-e' needs an equation"},
        {{"-e", "x^2", "-e", "x^2+1"}, Action::kError, "", "one equation at most"},
        {{"-e", "x^2", "eq.txt"}, Action::kError, "", "not both"},
        {{"eq.txt", "-e", "x^2"}, Action::kError, "", "not both"},
        {{"-e", "x^2", "--help"}, Action::kHelp, "", ""},
        {{"--", "-e"}, Action::kRun, "-e", ""},
        // The interface language for one run: a code the catalog has.
        {{"--language", "en", "eq.txt"}, Action::kRun, "eq.txt", "", std::nullopt, "en"},
        {{"--language=ru", "-e", "x^2"}, Action::kRun, "", "", "x^2", "ru"},
        {{"--language", "x-pseudo"}, Action::kRun, "", "", std::nullopt, "x-pseudo"},
        {{"--language", "de"}, Action::kError, "", "no language 'de': ru or en"},
        {{"--language="}, Action::kError, "", "no language '': ru or en"},
        {{"--language"}, Action::kError, "", "'--language' needs a language"},
        {{"--", "--language", "en"}, Action::kError, "", "one equation file at most"},
    };
    for (const Row& row : rows) {
        const ProgramArguments parsed = ParseProgramArguments(row.arguments);
        const std::string shown = row.arguments.empty() ? "(none)" : row.arguments.front();
        EXPECT_EQ(parsed.action, row.action) << shown;
        EXPECT_EQ(parsed.file, row.file) << shown;
        EXPECT_NE(parsed.error.find(row.errorPart), std::string::npos) << parsed.error;
        EXPECT_EQ(parsed.error.empty(), row.errorPart.empty()) << shown;
        EXPECT_EQ(parsed.equation, row.equation) << shown;
        EXPECT_EQ(parsed.language, row.language) << shown;
    }
}

TEST(ProgramUsage, NamesEveryOption) {
    const std::string usage = ProgramUsage();
    for (const char* part : {"Usage: parabel", "--help", "--version", "FILE", "--equation",
                             "--language=ru|en", "Inf.ini", "history", "language"}) {
        EXPECT_NE(usage.find(part), std::string::npos) << part;
    }
}

}  // namespace
}  // namespace parabel
