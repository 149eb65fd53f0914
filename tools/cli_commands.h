// The commands of parabel-cli. Each takes the arguments after its name and
// returns the process's exit status: 0 success, 1 some input failed, 2 bad
// arguments.
#pragma once

#include <string>
#include <vector>

namespace parabel::cli {

int RunSolve(const std::vector<std::string>& args);
int RunNumber(const std::vector<std::string>& args);
int RunPlot(const std::vector<std::string>& args);
int RunSettings(const std::vector<std::string>& args);

}  // namespace parabel::cli
