// Runs a program of this project as a separate process, for tests of what a
// user sees on the command line.
#pragma once

#include <string>
#include <vector>

namespace parabel::testing {

struct ProgramResult {
    int status = -1;  // exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with `args`, feeding `input` to its standard input, with
// `environment` entries ("NAME=value") added to the current environment.
// When PARABEL_PROGRAM_RUNNER is set, its words run the program instead
// (such as "valgrind -q --error-exitcode=9"), so a test can run its programs
// under a checker.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = "",
                         const std::vector<std::string>& environment = {});

}  // namespace parabel::testing
