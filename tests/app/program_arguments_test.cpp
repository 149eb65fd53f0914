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
    };
    for (const Row& row : rows) {
        const ProgramArguments parsed = ParseProgramArguments(row.arguments);
        const std::string shown = row.arguments.empty() ? "(none)" : row.arguments.front();
        EXPECT_EQ(parsed.action, row.action) << shown;
        EXPECT_EQ(parsed.file, row.file) << shown;
        EXPECT_NE(parsed.error.find(row.errorPart), std::string::npos) << parsed.error;
        EXPECT_EQ(parsed.error.empty(), row.errorPart.empty()) << shown;
    }
}

TEST(ProgramUsage, NamesEveryOption) {
    const std::string usage = ProgramUsage();
    for (const char* part : {"Usage: parabel", "--help", "--version", "FILE", "Inf.ini"}) {
        EXPECT_NE(usage.find(part), std::string::npos) << part;
    }
}

}  // namespace
}  // namespace parabel
