// parabel-cli solve: the worked solution of each equation, as the program
// would save it.
#include <cstdio>
#include <string>

#include "cli_commands.h"
#include "cli_equation.h"
#include "cli_input.h"
#include "core/real_to_text.h"

namespace parabel::cli {

namespace {

void PrintLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
}

std::string ValuesLine(const SolveOutcome& outcome) {
    return "values: " + RealToText(outcome.a) + ";" + RealToText(outcome.b) + ";" +
           RealToText(outcome.c) + ";" + RealToText(outcome.root1) + ";" +
           RealToText(outcome.root2);
}

const char* FailureName(SolveFailure failure) {
    return failure == SolveFailure::kForm ? "form" : "conversion";
}

// Solves one equation and prints its block; false when it failed.
bool SolveOne(const std::string& input, bool values) {
    if (!AcceptedByTheField(input)) {
        if (values) {
            std::fputs("error: text\n\n", stdout);
        }
        return false;
    }
    // The last step, the plot, counts only for its faults.
    const SolveOutcome outcome = SolveWithoutPlot(input);
    const bool solved = outcome.failure == SolveFailure::kNone;
    if (!solved) {
        std::fprintf(stderr, "%s\n", FailureMessage(outcome.failure));
    }
    if (solved || values) {
        PrintLines(outcome.saved);
    }
    if (values) {
        const std::string last =
            solved ? ValuesLine(outcome) : std::string("error: ") + FailureName(outcome.failure);
        std::printf("%s\n", last.c_str());
    }
    if (solved || values) {
        std::fputc('\n', stdout);
    }
    return solved;
}

}  // namespace

int RunSolve(const std::vector<std::string>& args) {
    bool values = false;
    const auto equations = SplitOperands(args, "solve", "--values", values);
    if (!equations) {
        return 2;
    }
    bool allSolved = true;
    const bool allRead = ForEachInput(*equations, [&](const std::string& equation) {
        allSolved = SolveOne(equation, values) && allSolved;
    });
    std::fflush(stdout);
    return allSolved && allRead ? 0 : 1;
}

}  // namespace parabel::cli
