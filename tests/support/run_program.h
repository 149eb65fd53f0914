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
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = "",
                         const std::vector<std::string>& environment = {});

}  // namespace parabel::testing
